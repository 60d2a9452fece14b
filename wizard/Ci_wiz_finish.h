#pragma once
// Step 4 of the wizard: the user names the player and confirms its window class; Finish
// completes the player description.

#include <string>

#include "framework/Controls.h"
#include "framework/PropertyPage.h"
#include "wizard/FinishRules.h"

class CCi_wizard;

class CCi_wiz_finish : public PropertyPage {
public:
    explicit CCi_wiz_finish(CCi_wizard* wizard);

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    LRESULT OnWizardBack() override;
    bool OnWizardFinish() override;
    bool OnCommand(int id, int code) override;

private:
    void ShowNameFields() const;
    void ReadFields();
    void WriteFields();
    void ApplyRestoreRule() const;
    void OnRestore();
    void RefuseName(int messageId) const;

    CCi_wizard* m_pWizard;
    stFinishFields m_fields;
    std::string m_strInternalNameLabel;
    // Set while the page writes its controls, whose change notifications must not read
    // them back half written.
    bool m_bWriting = false;

    Edit m_editInternalName;
    Edit m_editWndClass;
    Edit m_editPlayerName;
    Static m_labelInternalName;
    Static m_labelPlayerName;
    Static m_staticClassChanged;
    Button m_buttonRestore;
};

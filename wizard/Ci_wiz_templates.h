#pragma once
// Step 3 of the wizard: the captured titles, the templates made from them, and at every
// change how each title reads by the templates in order.

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/PropertyPage.h"
#include "wizard/TemplateRules.h"

class CCi_wizard;

class CCi_wiz_templates : public PropertyPage {
public:
    explicit CCi_wiz_templates(CCi_wizard* wizard);

    void ReinterpretTitles();
    void UpdateButtons();

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

private:
    void OnCreateTemplate();
    void OnSuggestTemplates();
    // Appends a template made in the Paint title dialog, unless the list holds it already.
    void AddPaintedTemplate(const std::string& made, const std::string& example);
    void OnAddTitle();
    void OnEditTemplate();
    void OnDeleteTemplate();
    void OnMoveTemplate(int step);
    void OnAutoOrdering();

    // Appends a row: its number, then the texts of the further columns. -1 on failure,
    // which is reported.
    int AppendRow(ListView& list, const std::vector<std::string>& texts);
    static void RenumberRows(const ListView& list);
    std::vector<std::string> ColumnTexts(const ListView& list, int column) const;
    void ReportListError(const char* function, int line);

    CCi_wizard* m_pWizard;
    ListView m_listTitles;
    ListView m_listTemplates;
    int m_nTitleColumn = 1;
    int m_nInterpretationColumn = 2;
    int m_nTemplateColumn = 1;
    stReadings m_readings; // of the last ReinterpretTitles
};

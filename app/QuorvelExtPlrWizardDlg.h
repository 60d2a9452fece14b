#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/FindRulesFile.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

class CAllPlayersInfo;
struct stTeachRequest;

// The program's main window: the players of the rules file and the commands on them.
class CQuorvelExtPlrWizardDlg : public Dialog, private RulesFileSink {
public:
    CQuorvelExtPlrWizardDlg();
    ~CQuorvelExtPlrWizardDlg() override;

    void FillPlayerList();
    void EnableButtons();
    // 0 when saved; otherwise the failure has been shown.
    int SaveRules();

    bool IsModified() const { return m_bModified; }
    const std::string& RulesPath() const { return m_strRulesPath; }
    CAllPlayersInfo* Players() const { return m_pPlayers.get(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void OnCancel() override {} // Escape never closes the main window
    void OnShowWindow(bool show) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void ShowRulesPath(const std::string& path) override;
    void RulesLoaded(const std::string& path) override;
    void RulesConverted(const std::string& path) override;
    void RulesToRepair(const std::string& path, const std::string& text) override;

    // With a request from the running players view, the wizard goes on from what it saw.
    void OnAddTemplate(const stTeachRequest* taught = nullptr);
    void OnEditTemplate(const stTeachRequest* taught = nullptr);
    void OnRunningPlayers();
    void OnDelete();
    void OnManualEditing();
    void OfferRepairBeforeSave();
    void SaveAs();
    int SaveRulesTo(const std::string& path);
    void Close();
    void OnAbout();
    void OnQuit();
    void PaintMinimised();

    bool m_bModified = false;
    // The rules file failed to load at start-up and has not been saved since.
    bool m_bLoadFailed = false;
    std::string m_strRulesPath;
    // The text of the rules file that failed to load, until the manual editor takes it
    // repaired. Till then the collection holds only the players added since, and the file
    // is never saved over: the editor opens on this text with them appended.
    std::optional<std::string> m_strUnreadRules;
    bool m_bRepairOnShow = false;
    std::unique_ptr<CAllPlayersInfo> m_pPlayers;
    Edit m_editPath;
    ListBox m_listPlayers;
    HICON m_hIcon;
};

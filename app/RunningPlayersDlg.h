#pragma once
// The running players view: one row per player window on the desktop with what the
// recorder reads from its title, followed live; Teach or Add player hands a row's section
// or class and the titles seen for it to the wizard.

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "rules/RunningPlayers.h"
#include "wizard/EnumWnd.h"

// What the view ended with, when it ended with IDOK.
struct stTeachRequest {
    int player = -1; // the section to teach; -1: add a player of the class
    std::string wndClass;
    std::vector<std::string> titles; // seen while the view was open
};

class CRunningPlayersDlg : public Dialog {
public:
    static constexpr UINT_PTR kTickTimer = 1;
    static constexpr UINT kTickInterval = 100; // milliseconds, as step 2 captures

    // Works on the collection as it is; it must stay as it is while the view is open.
    explicit CRunningPlayersDlg(const CAllPlayersInfo& players);

    // One look at the desktop, as the timer takes it.
    void Tick();
    const stTeachRequest& Request() const { return m_request; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override { OnTeach(); }
    void OnDestroy() override;

private:
    void ShowRow(int row, bool insert);
    void UpdateTeachButton();
    void OnTeach();

    CRunningPlayers m_view;
    EnumWnd m_windows;
    std::string m_strUnrecognized;
    stTeachRequest m_request;
    ListView m_listWindows;
    Button m_checkShowAll;
    Button m_buttonTeach;
};

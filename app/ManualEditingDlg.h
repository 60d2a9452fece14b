#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CAllPlayersInfo;

// The whole rules text as plain text. OK takes it only when the reader accepts it; the
// collection is then replaced by what was read.
class CManualEditingDlg : public Dialog {
public:
    CManualEditingDlg();

    CAllPlayersInfo* m_pPlayers = nullptr; // not owned
    Edit m_editRules;

protected:
    BOOL OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
};

#pragma once

#include <optional>
#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "platform/ParseError.h"

class CAllPlayersInfo;

// The whole rules text as plain text. OK takes it only when the reader accepts it; the
// collection is then replaced by what was read.
class CManualEditingDlg : public Dialog {
public:
    CManualEditingDlg();

    CAllPlayersInfo* m_pPlayers = nullptr; // not owned
    Edit m_editRules;

    // Opens on this text instead of the collection's, with the reader's fault in it selected.
    void SetRepairText(std::string text) { m_strRepairText = std::move(text); }

protected:
    BOOL OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // Every text the editor shows goes through here: the control would end it at a NUL.
    void ShowText(const std::string& text);
    // The first NUL mark left in the text selected; false when none is left.
    bool SelectNulMark(const std::string& text);
    void SelectFault(const stParseError& error);
    void Select(int start, int end);

    std::optional<std::string> m_strRepairText;
    // What stands for a NUL in the shown text; empty when the text held none.
    std::string m_strNulMark;
};

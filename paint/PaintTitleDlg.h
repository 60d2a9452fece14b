#pragma once
// The "Paint title" dialog: the user selects parts of a captured window title and marks
// them with coloured markers; OK turns the marks into a parsed template.

#include <windows.h>
#include <richedit.h>

#include <span>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Guards.h"
#include "paint/Markers.h"
#include "paint/PaintCaption.h"
#include "platform/ErrorInfo.h"

class CPaintTitleDlg : public Dialog {
public:
    // Needs the rich edit library of version 1 ("RICHED32.DLL") loaded: without it the
    // dialog cannot be made and the run returns -1.
    CPaintTitleDlg();

    // The thirteen markers, the four basic ones first.
    static std::span<const stMarker> Markers();

    stErrorInfo* m_pErrorInfo;       // where failures are reported; the dialog's own record
    int m_bCollapsed = 0;            // non-zero while the additional markers are hidden
    RECT m_rcWindow{};               // measured at initialisation; only its width is used
    CPaintCaption m_PaintCaption;
    std::string m_strTitle;          // set by the opener before the run
    std::vector<stPaintMark> m_arrMarks; // set by an opener that proposes the marks
    // Set by an opener that proposes a template: the template, and the name that says which
    // proposal it is. Until the user marks anew, OK takes the proposed template itself where
    // the marks cannot show it (a value empty in this title).
    std::string m_strProposal;
    std::string m_strProposalName;
    std::string m_strTemplate;       // the template, after the run ended with OK

    // A rich edit control of version 1.
    class RichEdit : public Control {
    public:
        bool SetDefaultCharFormat(CHARFORMATA& format) const
        {
            return Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)) != 0;
        }
        bool SetSelectionCharFormat(CHARFORMATA& format) const
        {
            return Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)) != 0;
        }
        void SetSel(int start, int end) const;
        void GetSel(int& start, int& end) const;
        void SetBackgroundColor(COLORREF colour) const { Send(EM_SETBKGNDCOLOR, 0, colour); }
        void KeepSelectionVisible() const { Send(EM_SETOPTIONS, ECOOP_OR, ECO_NOHIDESEL); }
        POINT GetScrollPos() const
        {
            POINT position{};
            Send(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position));
            return position;
        }
        void SetScrollPos(POINT position) const { Send(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position)); }
    };

    Button m_btnToggle;
    RichEdit m_editExample;
    RichEdit m_editTitle;
    stErrorInfo m_ErrorInfo{};
    bool m_bKeepProposal = false; // OK takes m_strProposal rather than the marks
    // The swatches' images for the dialog's DPI; they outlive the dialog's window.
    GdiObject m_swatchImages[13];
    GdiObject m_swatchBrushes[13];   // each swatch's colour, around its image

    // The colour of the top-left pixel of a bitmap resource; CLR_INVALID, reported, when
    // it cannot be read.
    COLORREF GetColByBmpID(int bitmap);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void Initialise();
    void OnMarker(const stMarker& marker);
    void ApplyMarks();
    void ShowProposal();
    void EnableOk();
    void Repaint();
    bool PaintExample(CHARFORMATA& format);
    void SetSwatchImages();
    void ToggleAdditionalMarkers();
    // Sizes the window to the state's lowest control; false, reported, when it fails.
    bool FitHeight(bool collapsed);
    bool FitHeight() { return FitHeight(m_bCollapsed != 0); }
    void ShowAdditionalMarkers(bool show);
    // Frames a button with its swatch, 5 pixels (at 96 DPI) wider on every side.
    void PlaceSwatch(int button, int swatch) const;
    // The character format of both fields, in the given colour.
    CHARFORMATA MakeFormat(COLORREF colour) const;
    // Fills the dialog's record with the failed call and shows it.
    void Report(const char* function, int line, DWORD code = GetLastError());
};

#pragma once
// The add/edit wizard: a wizard-97 sheet of four steps and the state its pages share.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/WizardSheet.h"
#include "platform/ErrorInfo.h"
#include "rules/FormatInfo.h"
#include "rules/PlayerInfo.h"

class CAllPlayersInfo;
class CCi_wiz_selwnd;
class CCi_wiz_getwndtlt;
class CCi_wiz_templates;
class CCi_wiz_finish;

class CCi_wizard : public WizardSheet {
public:
    // Makes the four pages with the captions and header texts of the mode.
    explicit CCi_wizard(bool editMode);
    ~CCi_wizard() override;

    // The run opens on step 3 with these titles captured, the player's templates kept, as
    // after step 2 of an edit: to teach an edited player titles it does not read yet.
    void StartAtTemplates(std::vector<std::string> titles);
    // The run opens on step 2 capturing from windows of the class, these titles captured
    // so far, as after step 1.
    void StartAtCapture(std::string wndClass, std::vector<std::string> titles);

    // Both runs first take a copy of the player as it is now.
    INT_PTR DoModal(HWND parent = nullptr) override;
    HWND Create(HWND parent = nullptr) override;

    // Fills the error record from the failed call's code and shows it over the sheet.
    void ReportError(const char* function, const std::string& argument, DWORD code, const char* sourceFile,
                     int line);

    CCi_wiz_selwnd& SelWndPage() const { return *m_pageSelWnd; }
    CCi_wiz_getwndtlt& GetWndTltPage() const { return *m_pageGetWndTlt; }
    CCi_wiz_templates& TemplatesPage() const { return *m_pageTemplates; }
    CCi_wiz_finish& FinishPage() const { return *m_pageFinish; }

    BOOL m_bEditMode;
    bool m_bResetTemplates = true;
    bool m_bReloadTitles = true;
    bool m_bShowInvisible = false;
    stErrorInfo m_ErrorInfo{};
    CPlayerInfo* m_pPlayerInfo = nullptr;
    CPlayerInfo m_OrigPlayerInfo;
    CAllPlayersInfo* m_pAllPlayersInfo = nullptr;
    std::vector<std::unique_ptr<CFormatInfo>> m_FormatInfos;
    // The program file name of the window chosen in step 1 ("vlc.exe"; empty when its
    // process could not be opened), a hint for step 3's proposals.
    std::string m_strWndProgram;

private:
    void TakeStart();

    int m_nStartStep = 0;
    std::string m_strStartClass;
    std::vector<std::string> m_arrStartTitles;
    std::unique_ptr<CCi_wiz_selwnd> m_pageSelWnd;
    std::unique_ptr<CCi_wiz_getwndtlt> m_pageGetWndTlt;
    std::unique_ptr<CCi_wiz_templates> m_pageTemplates;
    std::unique_ptr<CCi_wiz_finish> m_pageFinish;
};

#include "wizard/Ci_wiz_finish.h"

#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/DispNameSupported.h"
#include "wizard/Ci_wizard.h"

CCi_wiz_finish::CCi_wiz_finish(CCi_wizard* wizard)
    : PropertyPage(IDD_CI_WIZ_FINISH, wizard->m_bEditMode ? IDS_CAPTION_EDIT_STEP4 : IDS_CAPTION_ADD_STEP4,
                   IDS_STEP4_TITLE, IDS_STEP4_SUBTITLE),
      m_pWizard(wizard)
{
}

BOOL CCi_wiz_finish::OnInitDialog()
{
    m_editInternalName.Attach(Hwnd(), IDC_INTERNAL_NAME);
    m_editWndClass.Attach(Hwnd(), IDC_WINDOW_CLASS);
    m_editPlayerName.Attach(Hwnd(), IDC_PLAYER_NAME);
    m_labelInternalName.Attach(Hwnd(), IDC_INTERNAL_NAME_LABEL);
    m_labelPlayerName.Attach(Hwnd(), IDC_PLAYER_NAME_LABEL);
    m_staticClassChanged.Attach(Hwnd(), IDC_CLASS_CHANGED);
    m_buttonRestore.Attach(Hwnd(), IDC_RESTORE_CLASS);
    m_strInternalNameLabel = m_labelInternalName.GetText();
    return TRUE;
}

bool CCi_wiz_finish::OnSetActive()
{
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    ShowNameFields();
    static const CPlayerInfo none;
    const CPlayerInfo& player = m_pWizard->m_pPlayerInfo ? *m_pWizard->m_pPlayerInfo : none;
    m_fields = FinishFieldsOnActivation(player, m_pWizard->m_OrigPlayerInfo, m_pWizard->m_bEditMode != FALSE,
                                        DispNameSupported());
    WriteFields();
    return true;
}

// Without display names the one remaining field edits the internal name under the label
// the user knows as the player's name.
void CCi_wiz_finish::ShowNameFields() const
{
    const bool both = DispNameSupported();
    m_editPlayerName.Enable(both);
    ShowWindow(m_editPlayerName.Hwnd(), both ? SW_SHOW : SW_HIDE);
    ShowWindow(m_labelPlayerName.Hwnd(), both ? SW_SHOW : SW_HIDE);
    m_labelInternalName.SetText(both ? m_strInternalNameLabel : m_labelPlayerName.GetText());
}

void CCi_wiz_finish::ReadFields()
{
    m_fields.internalName = m_editInternalName.GetText();
    m_fields.windowClass = m_editWndClass.GetText();
    m_fields.playerName = m_editPlayerName.GetText();
}

void CCi_wiz_finish::WriteFields()
{
    m_bWriting = true;
    m_editInternalName.SetText(m_fields.internalName);
    m_editWndClass.SetText(m_fields.windowClass);
    m_editPlayerName.SetText(m_fields.playerName);
    m_bWriting = false;
    ApplyRestoreRule();
}

void CCi_wiz_finish::ApplyRestoreRule() const
{
    const bool changed = IsWindowClassChanged(m_fields);
    m_staticClassChanged.SetText(changed ? LoadResString(IDS_WND_CLASS_CHANGED) : std::string());
    m_buttonRestore.Enable(changed);
}

void CCi_wiz_finish::OnRestore()
{
    m_fields.windowClass = m_fields.initialClass;
    m_bWriting = true;
    m_editWndClass.SetText(m_fields.windowClass);
    m_bWriting = false;
    ApplyRestoreRule();
}

bool CCi_wiz_finish::OnCommand(int id, int code)
{
    if (id == IDC_WINDOW_CLASS && code == EN_CHANGE) {
        if (!m_bWriting) {
            ReadFields();
            ApplyRestoreRule();
        }
        return true;
    }
    if (id == IDC_RESTORE_CLASS && code == BN_CLICKED) {
        OnRestore();
        return true;
    }
    return false;
}

LRESULT CCi_wiz_finish::OnWizardBack()
{
    m_pWizard->m_bResetTemplates = false;
    m_pWizard->m_bReloadTitles = false;
    return 0;
}

bool CCi_wiz_finish::OnWizardFinish()
{
    ReadFields();
    const bool editMode = m_pWizard->m_bEditMode != FALSE;
    if (const int refusal = CheckFinishName(m_fields.internalName, m_pWizard->m_pAllPlayersInfo, editMode,
                                            m_pWizard->m_OrigPlayerInfo.m_strName)) {
        RefuseName(refusal);
        return false;
    }
    if (!m_pWizard->m_pPlayerInfo)
        return false;
    CompleteDescription(*m_pWizard->m_pPlayerInfo, m_fields, editMode, DispNameSupported());
    return true;
}

void CCi_wiz_finish::RefuseName(int messageId) const
{
    ErrorBox(LoadResString(static_cast<UINT>(messageId)), Sheet());
    SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_editInternalName.Hwnd()), TRUE);
}

#include "app/Ci_wizApp.h"

#include <commctrl.h>

#include "app/QuorvelExtPlrWizardDlg.h"

bool CCi_wizApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The title painting needs rich edit 1.0; a missing library does not stop the start.
    LoadLibraryA("RICHED32.DLL");

    CQuorvelExtPlrWizardDlg dialog;
    dialog.DoModal(nullptr);
    return false;
}

int CCi_wizApp::Run()
{
    InitInstance();
    // A quit request ends the modal run; the dialog manager posts it again for us.
    MSG message;
    if (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return static_cast<int>(message.wParam);
    return 0;
}

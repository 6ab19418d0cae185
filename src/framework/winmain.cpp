// The program's entry: everything happens in the application object's
// InitInstance, which runs the main dialog modally.
#include "framework/winapp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR lpCmdLine, int)
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr) {
        app->m_lpCmdLine = lpCmdLine;
        app->InitInstance();
    }
    return 0;
}

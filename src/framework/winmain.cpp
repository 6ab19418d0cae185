// The program's entry: everything happens in the application object's
// InitInstance, which runs the main dialog modally.
#include "framework/winapp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr)
        app->InitInstance();
    return 0;
}

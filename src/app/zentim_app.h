// CZentimApp: the application object; it runs the clock window.
#pragma once

#include "framework/winapp.h"

class CZentimApp : public CWinApp {
public:
    BOOL InitInstance() override;
};

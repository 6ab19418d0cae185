// InitCommonControlsLate: registers the common controls' window classes
// that a dialog's template names, loading their DLL at the dialog's first
// opening rather than at start: a clock that only ticks would carry the
// library for nothing.
#pragma once

#include "framework/late_bound.h"

#include <windows.h>

#include <commctrl.h>

inline void InitCommonControlsLate(DWORD classes)
{
    static CLateBound<decltype(&InitCommonControlsEx)> init(L"comctl32.dll",
                                                            "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls{ sizeof controls, classes };
    init(&controls);
}

// CColorDialog: the system's colour dialog, opened at a colour and sharing
// the custom colours the caller keeps.
#pragma once

#include "framework/late_bound.h"
#include "framework/wnd.h"

#include <commdlg.h>

class CColorDialog {
public:
    // customColors: 16 colours that the caller keeps between openings.
    CColorDialog(COLORREF clrInit, COLORREF* customColors, CWnd* pParentWnd)
    {
        m_cc.lStructSize = sizeof m_cc;
        m_cc.hwndOwner = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
        m_cc.rgbResult = clrInit;
        m_cc.lpCustColors = customColors;
        m_cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    }
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    // IDOK when the user chose a colour, else IDCANCEL.
    INT_PTR DoModal()
    {
        static CLateBound<decltype(&ChooseColorW)> chooseColor(L"comdlg32.dll", "ChooseColorW");
        return chooseColor(&m_cc) ? IDOK : IDCANCEL;
    }
    COLORREF GetColor() const { return m_cc.rgbResult; }

private:
    CHOOSECOLORW m_cc{};
};

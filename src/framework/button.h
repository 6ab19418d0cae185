// CButton: a button control that the object only looks at (it never owns
// the window), for its check state and its picture.
#pragma once

#include "framework/wnd.h"

class CButton : public CWnd {
public:
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    int GetCheck() const { return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
    // The button shows the bitmap but does not own it; returns the one it
    // showed before.
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
};

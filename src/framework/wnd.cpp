#include "framework/wnd.h"

#include "framework/text.h"

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr ||
        GetWindowLongPtrW(hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&SubclassProc))
        return nullptr;
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

std::string CWnd::GetDlgItemText(int nID) const
{
    const HWND item = GetDlgItem(m_hWnd, nID);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    return Narrow(text.data(), GetWindowTextW(item, &text[0], static_cast<int>(text.size())));
}

void CWnd::SetDlgItemText(int nID, const std::string& text)
{
    ::SetDlgItemTextW(m_hWnd, nID, Widen(text).c_str());
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

const CMessageMapEntry* CWnd::GetMessageMap() const
{
    static const CMessageMapEntry none[] = { { 0, 0, 0, nullptr } };
    return none;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (const CMessageMapEntry* row = GetMessageMap(); row->handler != nullptr; ++row) {
        if (row->message != message)
            continue;
        if (message == WM_COMMAND && (row->id != LOWORD(wParam) || row->code != HIWORD(wParam)))
            continue;
        if (message == WM_NOTIFY) {
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (row->id != header.idFrom || row->code != header.code)
                continue;
        }
        *pResult = row->handler(this, wParam, lParam);
        return true;
    }
    return false;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return Default();
}

LRESULT CWnd::Default()
{
    return CallWindowProcW(m_pfnSuper, m_hWnd, m_currentMsg.message, m_currentMsg.wParam,
                           m_currentMsg.lParam);
}

void CWnd::Subclass(HWND hWnd)
{
    m_hWnd = hWnd;
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        // The window is going: hand it back to its own procedure and let
        // the object outlive it without a dangling handle.
        WNDPROC super = self->m_pfnSuper;
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        return CallWindowProcW(super, hWnd, message, wParam, lParam);
    }
    // Handlers may run nested messages (a move loop, a message box), so the
    // message that Default() forwards is kept per call.
    const MSG outer = self->m_currentMsg;
    self->m_currentMsg = MSG{ hWnd, message, wParam, lParam, 0, {} };
    const LRESULT result = self->WindowProc(message, wParam, lParam);
    self->m_currentMsg = outer;
    return result;
}

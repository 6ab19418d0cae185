#include "framework/dialog.h"

#include "framework/winapp.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    rControl.Attach(GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

HWND CDialog::ModalOwner() const
{
    if (m_pParentWnd != nullptr)
        return m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    if (main == nullptr || main == this)
        return nullptr;
    return main->m_hWnd;
}

INT_PTR CDialog::DoModal()
{
    const HWND owner = ModalOwner();
    m_hWndDisabledOwner = owner != nullptr && IsWindowEnabled(owner) ? owner : nullptr;
    if (m_hWndDisabledOwner != nullptr)
        EnableWindow(m_hWndDisabledOwner, FALSE);

    m_bEndModal = false;
    m_nModalResult = -1;
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                       &DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_hWnd != nullptr)
        RunModalLoop();
    // Also when the loop ended without EndDialog, the window destroyed.
    ReturnToOwner();
    if (m_hWnd != nullptr)
        ::DestroyWindow(m_hWnd);
    return m_nModalResult;
}

bool CDialog::Create()
{
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), ModalOwner(),
                       &DialogProc, reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

void CDialog::ReturnToOwner()
{
    // Before the dialog goes, as the system's own dialogs do: hidden while
    // its owner is still disabled, the system would activate some other
    // program's window, or none, and the keys would go there.
    if (m_hWndDisabledOwner == nullptr)
        return;
    EnableWindow(m_hWndDisabledOwner, TRUE);
    if (m_hWnd != nullptr && GetActiveWindow() == m_hWnd)
        SetActiveWindow(m_hWndDisabledOwner);
    m_hWndDisabledOwner = nullptr;
}

void CDialog::RunModalLoop()
{
    bool shown = (GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
    MSG msg;
    while (!m_bEndModal && m_hWnd != nullptr) {
        if (!shown && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            shown = true;
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            UpdateWindow(m_hWnd);
            continue;
        }
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            // WM_QUIT belongs to whoever loops outside this dialog.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        // Offer the message to the windows from its target up to the main
        // window, nearest first, the way the dialog's own keys get handled.
        bool handled = false;
        const CWnd* main = AfxGetMainWnd();
        for (HWND h = msg.hwnd; h != nullptr && !handled; h = GetParent(h)) {
            if (CWnd* wnd = FromHandle(h))
                handled = wnd->PreTranslateMessage(&msg) != FALSE;
            if (main != nullptr && h == main->m_hWnd)
                break;
        }
        if (!handled) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void CDialog::EndDialog(int nResult)
{
    m_bEndModal = true;
    m_nModalResult = nResult;
    ReturnToOwner();
    if (m_hWnd != nullptr) {
        ::ShowWindow(m_hWnd, SW_HIDE);
        PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    const bool input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                       (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return input && m_hWnd != nullptr && IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::OnInitDialog()
{
    CDataExchange dx{ this };
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return Default();
}

void CDialog::CenterIfUnplaced(const RECT& rcBeforeInit)
{
    // Only a hidden dialog that its initialisation left where the template
    // put it, and that is unowned or owned by a disabled (modal) owner.
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    if ((GetWindowLongW(m_hWnd, GWL_STYLE) & (WS_VISIBLE | DS_CENTER)) != 0)
        return;
    if (rc.left != rcBeforeInit.left || rc.top != rcBeforeInit.top)
        return;
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && IsWindowEnabled(owner))
        return;

    const HMONITOR monitor =
        MonitorFromWindow(owner != nullptr ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO mi{ sizeof mi, {}, {}, 0 };
    GetMonitorInfoW(monitor, &mi);
    RECT area = mi.rcWork;
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner))
        ::GetWindowRect(owner, &area);

    const LONG w = rc.right - rc.left;
    const LONG h = rc.bottom - rc.top;
    LONG x = area.left + (area.right - area.left - w) / 2;
    LONG y = area.top + (area.bottom - area.top - h) / 2;
    // Centred over an owner near a screen edge must still be on screen.
    x = (x + w > mi.rcWork.right) ? mi.rcWork.right - w : x;
    y = (y + h > mi.rcWork.bottom) ? mi.rcWork.bottom - h : y;
    x = (x < mi.rcWork.left) ? mi.rcWork.left : x;
    y = (y < mi.rcWork.top) ? mi.rcWork.top : y;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    // Everything after WM_INITDIALOG reaches the object through the subclass
    // procedure; answering FALSE here leaves the rest to the dialog manager.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* self = reinterpret_cast<CDialog*>(lParam);
    self->Subclass(hWnd);
    RECT rcBeforeInit;
    ::GetWindowRect(hWnd, &rcBeforeInit);
    const BOOL result = self->OnInitDialog();
    if (self->m_hWnd != nullptr)
        self->CenterIfUnplaced(rcBeforeInit);
    return result;
}

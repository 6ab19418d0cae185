#include "alarmsui/ring_window.h"

CRingWindow::CRingWindow(Answers answers) : CDialog(IDD), m_answers(std::move(answers)) {}

CRingWindow::~CRingWindow() { Close(); }

BEGIN_MESSAGE_MAP(CRingWindow)
ON_BN_CLICKED(IDC_RING_SNOOZE, OnSnooze)
ON_BN_CLICKED(IDC_RING_DISMISS, OnDismiss)
END_MESSAGE_MAP()

BOOL CRingWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), sizeof font, &font);
    font.lfHeight *= 3;
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    m_timeFont = CFont(CreateFontIndirectW(&font));
    SendDlgItemMessageW(m_hWnd, IDC_RING_TIME, WM_SETFONT,
                        reinterpret_cast<WPARAM>(HFONT(m_timeFont)), FALSE);
    return TRUE;
}

void CRingWindow::Show(const std::string& times, const std::string& labels)
{
    if (m_hWnd == nullptr && !Create())
        return;
    SetDlgItemText(IDC_RING_TIME, times);
    SetDlgItemText(IDC_RING_LABEL, labels);
    // At the top of the topmost band, above the clock too, and again when
    // it shows another ring.
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CRingWindow::TakeKeys()
{
    if (m_hWnd == nullptr)
        return;
    SetForegroundWindow(m_hWnd);
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, IDC_RING_DISMISS)),
                TRUE);
}

void CRingWindow::Close()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CRingWindow::OnOK() {}

void CRingWindow::OnCancel() {}

void CRingWindow::OnSnooze() { m_answers.snooze(); }

void CRingWindow::OnDismiss() { m_answers.dismiss(); }

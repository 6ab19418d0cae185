#include "win_test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace wintest {

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        PumpFor(10);
    }
    return true;
}

namespace {
CDialog* g_scriptedDialog = nullptr;
const std::function<void()>* g_script = nullptr;

void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD)
{
    CDialog* dlg = g_scriptedDialog;
    // The modal loop shows the dialog once its queue runs empty; start only
    // then, and not while a message box of its own disables it, as a user
    // would.
    if (dlg->m_hWnd != nullptr && (!IsWindowVisible(dlg->m_hWnd) || !IsWindowEnabled(dlg->m_hWnd)))
        return;
    KillTimer(nullptr, id);
    (*g_script)();
    if (dlg->m_hWnd != nullptr)
        DestroyWindow(dlg->m_hWnd);
}
} // namespace

INT_PTR RunModalScript(CDialog& dlg, const std::function<void()>& script)
{
    g_scriptedDialog = &dlg;
    g_script = &script;
    SetTimer(nullptr, 0, 10, &RunScript);
    const INT_PTR result = dlg.DoModal();
    g_scriptedDialog = nullptr;
    g_script = nullptr;
    return result;
}

ScratchDir::ScratchDir()
{
    static unsigned counter = 0;
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, buffer);
    m_previous = buffer;
    GetTempPathA(MAX_PATH, buffer);
    m_path = buffer + ("zentim-test-" + std::to_string(GetCurrentProcessId())) + "-" +
             std::to_string(++counter);
    CreateDirectoryA(m_path.c_str(), nullptr);
    SetCurrentDirectoryA(m_path.c_str());
}

ScratchDir::~ScratchDir()
{
    SetCurrentDirectoryA(m_previous.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void ScratchDir::Write(const std::string& name, const std::string& content) const
{
    std::ofstream(File(name), std::ios::binary) << content;
}

bool ScratchDir::Read(const std::string& name, std::string* content) const
{
    std::ifstream in(File(name), std::ios::binary);
    if (!in)
        return false;
    content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

namespace {
MessageBoxWatcher* g_watcher = nullptr;

std::string WindowText(HWND wnd)
{
    char text[4096] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}

// The box's icon, told by comparing with the shared system icons that
// MessageBox shows. The control's identifier differs between Windows and
// Wine, so it is found by its class and style.
UINT IconType(HWND box)
{
    const struct {
        LPCSTR id;
        UINT type;
    } known[] = { { IDI_HAND, MB_ICONERROR },
                  { IDI_EXCLAMATION, MB_ICONWARNING },
                  { IDI_ASTERISK, MB_ICONINFORMATION },
                  { IDI_QUESTION, MB_ICONQUESTION } };
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = "";
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") != 0 ||
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        for (const auto& k : known) {
            if (icon == LoadIconA(nullptr, k.id))
                return k.type;
        }
    }
    return 0;
}
} // namespace

MessageBoxWatcher::MessageBoxWatcher(const CWnd& dialogUnderTest)
    : m_dialog(dialogUnderTest), m_timer(SetTimer(nullptr, 0, 20, &OnTimer))
{
    g_watcher = this;
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    KillTimer(nullptr, m_timer);
    g_watcher = nullptr;
}

void MessageBoxWatcher::HoldOpenUntil(std::function<bool()> ready, DWORD limitMs)
{
    m_ready = std::move(ready);
    m_limitMs = limitMs;
}

void CALLBACK MessageBoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_watcher != nullptr)
        g_watcher->Look();
}

BOOL CALLBACK MessageBoxWatcher::OnThreadWindow(HWND wnd, LPARAM self)
{
    MessageBoxWatcher& watcher = *reinterpret_cast<MessageBoxWatcher*>(self);
    char cls[16] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    if (wnd == watcher.m_dialog.m_hWnd || lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(wnd))
        return TRUE;
    for (HWND open : watcher.m_open) {
        if (open == wnd)
            return TRUE;
    }
    watcher.m_open.push_back(wnd);
    watcher.m_boxes.push_back(
        { WindowText(wnd), WindowText(GetDlgItem(wnd, 0xFFFF)), IconType(wnd) });
    return TRUE;
}

void MessageBoxWatcher::Look()
{
    const size_t openBefore = m_open.size();
    EnumThreadWindows(GetCurrentThreadId(), &OnThreadWindow, reinterpret_cast<LPARAM>(this));
    if (m_open.empty())
        return;
    if (openBefore == 0)
        m_heldSince = GetTickCount();
    if (m_ready && !m_ready() && GetTickCount() - m_heldSince < m_limitMs)
        return;
    // Newest first: an inner box must end before the loop of the one
    // under it can.
    const std::vector<HWND> open(m_open.rbegin(), m_open.rend());
    m_open.clear();
    for (HWND box : open) {
        if (IsWindow(box))
            SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
}

} // namespace wintest

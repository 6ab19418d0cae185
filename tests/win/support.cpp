#include "support.h"

#include "clockwnd/window_geometry.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "framework/winapp.h"
#include "res/resource.h"
#include "settings/start_command.h"

#include <filesystem>
#include <map>

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

namespace wintest {

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (MSG msg;;) {
        // As the modal loops do: the keyboard filters of the window and its
        // parents or owners first, nearest first, so that a button's keys
        // reach its dialog.
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            bool handled = false;
            for (HWND h = msg.hwnd; h != nullptr && !handled; h = GetParent(h)) {
                if (CWnd* wnd = CWnd::FromHandle(h))
                    handled = wnd->PreTranslateMessage(&msg) != FALSE;
            }
            if (!handled) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        const DWORD spent = GetTickCount() - start;
        if (done() || spent >= timeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(10, timeoutMs - spent),
                                  QS_ALLINPUT);
    }
}

namespace {
struct Waiting {
    std::string windowClass, caption;
    std::function<void(HWND)> act;
};
std::map<UINT_PTR, Waiting> g_waiting;

void CALLBACK ActWhenShown(HWND, UINT, UINT_PTR id, DWORD)
{
    const Waiting& waiting = g_waiting[id];
    const HWND wnd = FindWindowA(waiting.windowClass.c_str(),
                                 waiting.caption.empty() ? nullptr : waiting.caption.c_str());
    if (wnd == nullptr || !IsWindowVisible(wnd) || !IsWindowEnabled(wnd))
        return;
    KillTimer(nullptr, id);
    const auto act = std::move(g_waiting[id].act);
    g_waiting.erase(id);
    act(wnd);
}
} // namespace

void WhenShown(const char* caption, std::function<void(HWND)> act, const char* windowClass)
{
    g_waiting[SetTimer(nullptr, 0, 10, &ActWhenShown)] = { windowClass, caption, std::move(act) };
}

std::string Text(HWND dlg, int id)
{
    const HWND control = GetDlgItem(dlg, id);
    std::wstring text(GetWindowTextLengthW(control) + 1, L'\0');
    text.resize(GetWindowTextW(control, &text[0], int(text.size())));
    return Narrow(text);
}

void CloseOptions(HWND dlg, int way)
{
    if (way == 1)
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    else if (way == 2)
        PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        Click(dlg, way == 0 ? IDC_BUTTON_CANCEL : IDC_BUTTON_SAVE);
}

namespace {
std::function<void(const CWPSTRUCT&)> g_watch;
LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION)
        g_watch(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

SentMessages::SentMessages(std::function<void(const CWPSTRUCT&)> watch)
    : m_hook(SetWindowsHookExA(WH_CALLWNDPROC, &Watch, nullptr, GetCurrentThreadId()))
{
    g_watch = std::move(watch);
}

SentMessages::~SentMessages() { UnhookWindowsHookEx(m_hook); }

int TrayIcons()
{
    int count = 0;
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    for (HWND icon = GetWindow(tray, GW_CHILD); tray && icon; icon = GetWindow(icon, GW_HWNDNEXT))
        ++count;
    return count;
}

bool IsSameArea(HRGN a, HRGN b)
{
    // Not EqualRgn: Wine hands back a window region with its rows merged,
    // the same pixels in fewer rectangles.
    const CRgn difference(CreateRectRgn(0, 0, 0, 0));
    return CombineRgn(difference, a, b, RGN_XOR) == NULLREGION;
}

bool IsClippedToClockEllipse(HWND wnd)
{
    const RECT rc = WindowRect(wnd);
    const face::Box box = clockwnd::RoundRegionBox(rc.right - rc.left, rc.bottom - rc.top);
    const CRgn actual(CreateRectRgn(0, 0, 0, 0));
    const CRgn expected(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
    return GetWindowRgn(wnd, actual) != ERROR && IsSameArea(actual, expected);
}

RECT WindowRect(HWND wnd)
{
    RECT rect{};
    GetWindowRect(wnd, &rect);
    return rect;
}

std::string RunValue(const std::string& folder)
{
    wchar_t value[1024] = L"";
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                 Widen(settings::RunValueName(folder, ProgramPath())).c_str(), RRF_RT_REG_SZ,
                 nullptr, value, &size);
    return Narrow(value);
}

std::string ProgramPath()
{
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    return Narrow(program);
}

ClockTest::ClockTest()
{
    static unsigned counter = 0;
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, buffer);
    m_previousDir = buffer;
    GetTempPathA(MAX_PATH, buffer);
    m_dir = buffer + ("zentim-" + std::to_string(GetCurrentProcessId())) + "-" +
            std::to_string(++counter);
    CreateDirectoryA(m_dir.c_str(), nullptr);
    SetCurrentDirectoryA(m_dir.c_str());
    // 10:08:20, when no chime is due and no hand crosses the texts.
    m_clock.SetTimeSource([this] {
        ++m_timeReads;
        return m_time;
    });
    m_clock.SetMessageBoxShower(
        [this](HWND owner, const std::string& text, const std::string& caption, UINT type) {
            EXPECT_TRUE(owner == m_clock.m_hWnd || GetWindow(owner, GW_OWNER) == m_clock.m_hWnd)
                << "a message box owned by neither the clock nor its dialog";
            m_boxes.push_back({ text, caption, type });
            return IDOK;
        });
}

ClockTest::~ClockTest()
{
    SetCurrentDirectoryA(m_previousDir.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::u8path(m_dir), ignored);
}

INT_PTR RunAsMainWindow(CDialog& dlg, const std::function<void()>& script)
{
    AfxGetApp()->m_pMainWnd = &dlg;
    // The modal loop shows the dialog once its queue first runs empty.
    WhenShown("", [&](HWND) {
        script();
        if (dlg.m_hWnd != nullptr)
            DestroyWindow(dlg.m_hWnd);
    });
    const INT_PTR result = dlg.DoModal();
    AfxGetApp()->m_pMainWnd = nullptr;
    return result;
}

INT_PTR ClockTest::Run(const std::function<void()>& script)
{
    return RunAsMainWindow(m_clock, script);
}

void ClockTest::Change(const std::function<void(settings::ClockSettings&)>& edit)
{
    settings::ClockSettings values = m_clock.Settings();
    edit(values);
    m_clock.ApplySettings(values);
}

// By the wide functions: a name may hold any letter.
void ClockTest::Write(const std::string& name, const std::string& content) const
{
    const HANDLE file = CreateFileW(Widen(Path(name)).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ClockTest::Read(const std::string& name) const
{
    const HANDLE file = CreateFileW(Widen(Path(name)).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string content(1 << 20, '\0');
    DWORD got = 0;
    ReadFile(file, &content[0], static_cast<DWORD>(content.size()), &got, nullptr);
    CloseHandle(file);
    content.resize(got);
    return content;
}

} // namespace wintest

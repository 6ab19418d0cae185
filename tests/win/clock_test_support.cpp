#include "clock_test_support.h"

#include "framework/gdi.h"
#include "framework/winapp.h"

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void PrintTo(const RECT& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom
        << ")";
}

namespace wintest {

const char* const kExampleLines[9] = {
    "[MainWindow]",       "size=\"100,340,200,440\"", "[Options]",
    "kuku_type=30",       "kuku_sound=\"D:\\Sounds\\kuku.wav\"", "kuku_flash_count=3",
    "up_str=\"Office\"", "down_str=\"Quartz\"",     "digital_panel=1",
};

face::ClockTime QuietTime() { return { 1700000030, true, 10, 8, 30, 0 }; }

INT_PTR RunClock(CZentimDlg& dlg, const std::function<void()>& script)
{
    AfxGetApp()->m_pMainWnd = &dlg;
    const INT_PTR result = RunModalScript(dlg, script);
    AfxGetApp()->m_pMainWnd = nullptr;
    return result;
}

bool IsSameArea(HRGN a, HRGN b)
{
    // Not EqualRgn: it compares rectangle lists, and Wine hands back a
    // window region with its rows merged, the same pixels in fewer
    // rectangles.
    const CRgn difference(CreateRectRgn(0, 0, 0, 0));
    return CombineRgn(difference, a, b, RGN_XOR) == NULLREGION;
}

bool IsClippedToClockEllipse(HWND wnd)
{
    RECT rc;
    GetWindowRect(wnd, &rc);
    const CRgn actual(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(wnd, actual) == ERROR)
        return false;
    const CRgn expected(CreateEllipticRgn(3, 5, rc.right - rc.left - 3, rc.bottom - rc.top - 3));
    return IsSameArea(actual, expected);
}

RECT CentredTemplateRect(HWND wnd)
{
    // The clock's template is 119 x 113 dialog units.
    RECT size{ 0, 0, 119, 113 };
    MapDialogRect(wnd, &size);
    MONITORINFO mi{ sizeof mi, {}, {}, 0 };
    GetMonitorInfoA(MonitorFromPoint({ 0, 0 }, MONITOR_DEFAULTTOPRIMARY), &mi);
    const LONG x = mi.rcWork.left + (mi.rcWork.right - mi.rcWork.left - size.right) / 2;
    const LONG y = mi.rcWork.top + (mi.rcWork.bottom - mi.rcWork.top - size.bottom) / 2;
    return { x, y, x + size.right, y + size.bottom };
}

bool FileState::operator==(const FileState& o) const
{
    return exists == o.exists && bytes == o.bytes && CompareFileTime(&written, &o.written) == 0;
}

void PrintTo(const FileState& state, std::ostream* os)
{
    if (!state.exists) {
        *os << "no file";
        return;
    }
    *os << state.bytes.size() << " bytes written at "
        << ((static_cast<ULONGLONG>(state.written.dwHighDateTime) << 32) |
            state.written.dwLowDateTime);
}

FileState SettingsFileState(const ScratchDir& dir)
{
    const std::string path = dir.File("zentim.ini");
    // Wine holds profile files in a cache; a write kept back there must
    // reach the disk before the file is compared.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    FileState state{ false, {}, {} };
    state.exists = dir.Read("zentim.ini", &state.bytes);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        state.written = data.ftLastWriteTime;
    return state;
}

Strings SettingsOf(const CZentimDlg& dlg)
{
    return { std::to_string(dlg.m_nKukuType),
             dlg.m_strKukuSound,
             std::to_string(dlg.m_nKukuFlashCount),
             dlg.m_strUpStr,
             dlg.m_strDownStr,
             std::to_string(dlg.m_nDigitalPanel) };
}

} // namespace wintest

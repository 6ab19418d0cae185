// The options dialog, opened from a running clock window as its popup menu
// does, and driven from inside the dialog's own modal loop.
#include "clock_test_support.h"
#include "options/options_dlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <map>
#include <string>
#include <vector>

namespace {

using wintest::Strings;

// Actions waiting for their dialog, by the thread timer that looks for it.
std::map<UINT_PTR, std::pair<std::string, std::function<void(HWND)>>> g_waiting;

void CALLBACK ActWhenShown(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND dlg = FindWindowA("#32770", g_waiting[id].first.c_str());
    if (dlg == nullptr || !IsWindowVisible(dlg) || !IsWindowEnabled(dlg))
        return;
    KillTimer(nullptr, id);
    const auto act = std::move(g_waiting[id].second);
    g_waiting.erase(id);
    act(dlg);
    if (g_waiting.empty() && IsWindow(dlg) && IsWindowVisible(dlg))
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
}

// Once a dialog with the caption shows and takes input, runs act on it from
// inside its modal loop; then, unless act lined up another action, cancels
// the dialog if it is still open.
void WhenShown(const char* caption, std::function<void(HWND)> act)
{
    g_waiting[SetTimer(nullptr, 0, 10, &ActWhenShown)] = { caption, std::move(act) };
}

void Click(HWND options, int id) { SendMessageA(GetDlgItem(options, id), BM_CLICK, 0, 0); }

std::string Text(HWND options, int id)
{
    char text[1024] = "";
    GetDlgItemTextA(options, id, text, sizeof text);
    return text;
}

bool Checked(HWND options, int id) { return IsDlgButtonChecked(options, id) == BST_CHECKED; }

// The boxes of the settings, in the order of the clock's fields.
const int kBoxes[] = { IDC_EDIT_KUKU_TYPE, IDC_EDIT_KUKU_SOUND, IDC_EDIT_KUKU_FLASH_COUNT,
                       IDC_EDIT_UP_STR, IDC_EDIT_DOWN_STR };

Strings Texts(HWND options)
{
    Strings texts;
    for (int id : kBoxes)
        texts.push_back(Text(options, id));
    return texts;
}

void SetTexts(HWND options, const Strings& texts)
{
    for (size_t i = 0; i < texts.size(); ++i)
        SetDlgItemTextA(options, kBoxes[i], texts[i].c_str());
}

std::string WithoutTrailingBackslash(std::string path)
{
    path.erase(path.find_last_not_of('\\') + 1);
    return path;
}

class OptionsDialogTest : public testing::Test {
protected:
    OptionsDialogTest() { clock.SetTimeSource(&wintest::QuietTime); }

    // Inside the clock's run: opens the dialog as the popup menu's "Options"
    // does, with act to run in it, and returns when the dialog has gone.
    void OpenFromMenu(std::function<void(HWND)> act)
    {
        WhenShown("Zentim options", std::move(act));
        clock.SendMessage(WM_COMMAND, ID_MENU_OPTIONS, 0);
        EXPECT_TRUE(g_waiting.empty()) << "a dialog did not show, or went before its action";
        for (const auto& waiting : g_waiting)
            KillTimer(nullptr, waiting.first);
        g_waiting.clear();
    }

    void OpenOptions(std::function<void(HWND)> act)
    {
        wintest::RunClock(clock, [&] { OpenFromMenu(std::move(act)); });
    }

    wintest::ScratchDir dir;
    CZentimDlg clock;
};

constexpr DWORD kEdit = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr DWORD kRightLabel = SS_RIGHT | WS_GROUP;

struct ControlRow {
    int id;
    const char* className;
    DWORD style;       // beside WS_CHILD | WS_VISIBLE
    LONG x, y, cx, cy; // dialog units
};

// In tab order.
const ControlRow kTemplate[] = {
    { IDC_BUTTON_APPLY, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 148, 188, 51, 15 },
    { IDC_EDIT_UP_STR, "Edit", kEdit, 50, 47, 83, 12 },
    { IDC_EDIT_DOWN_STR, "Edit", kEdit, 50, 60, 83, 12 },
    { IDC_STATIC, "Static", kLabel, 15, 50, 32, 8 },
    { IDC_STATIC, "Static", kLabel, 6, 61, 42, 8 },
    { IDC_BUTTON_COLOR_BACKGROUND, "Button", kPush, 146, 9, 102, 9 },
    { IDC_BUTTON_COLOR_ARROWS, "Button", kPush, 146, 19, 102, 10 },
    { IDC_BUTTON_COLOR_DIGITAL_BKGRD, "Button", kPush, 146, 41, 102, 10 },
    { IDC_BUTTON_COLOR_DIGITAL_DIGITS, "Button", kPush, 146, 52, 102, 9 },
    { IDC_STATIC, "Button", BS_GROUPBOX, 0, 42, 141, 33 },
    { IDC_STATIC, "Button", BS_GROUPBOX, 143, 0, 108, 91 },
    { IDC_BUTTON_COLOR_SECOND_ARROW, "Button", kPush, 146, 30, 102, 10 },
    { IDC_STATIC, "Button", BS_GROUPBOX, 0, 75, 141, 58 },
    { IDC_STATIC, "Button", BS_GROUPBOX, 144, 91, 108, 95 },
    { IDC_BUTTON_CANCEL, "Button", kPush, 2, 188, 71, 15 },
    { IDC_STATIC, "Static", kLabel, 5, 18, 127, 8 },
    { IDC_BUTTON_SAVE, "Button", kPush, 206, 188, 45, 14 },
    { IDC_CHECK_LOAD_AT_START, "Button", kCheck, 150, 101, 97, 10 },
    { IDC_CHECK_ALWAYS_ON_TOP, "Button", kCheck, 149, 111, 98, 10 },
    { IDC_EDIT_HOUR_ARROW_WIDTH, "Edit", kEdit, 65, 88, 22, 12 },
    { IDC_EDIT_MINUTE_ARROW_WIDTH, "Edit", kEdit, 65, 101, 22, 12 },
    { IDC_EDIT_SCALE_POINTS_WIDTH, "Edit", kEdit, 65, 113, 22, 12 },
    { IDC_STATIC, "Static", kRightLabel, 10, 92, 53, 8 },
    { IDC_STATIC, "Static", kRightLabel, 4, 102, 60, 8 },
    { IDC_STATIC, "Static", kRightLabel, 6, 112, 57, 8 },
    { IDC_STATIC, "Button", BS_GROUPBOX, 0, 133, 141, 53 },
    { IDC_STATIC, "Static", kLabel, 2, 148, 20, 8 },
    { IDC_EDIT_KUKU_TYPE, "Edit", kEdit, 21, 145, 17, 12 },
    { IDC_STATIC, "Static", kLabel, 40, 149, 38, 8 },
    { IDC_STATIC, "Static", kLabel, 3, 162, 56, 8 },
    { IDC_BUTTON_BROWSE, "Button", kPush, 129, 171, 10, 12 },
    { IDC_EDIT_KUKU_SOUND, "Edit", kEdit, 12, 171, 116, 12 },
    { IDC_CHECK_DIGITAL_PANEL, "Button", kCheck, 150, 121, 97, 10 },
    { IDC_STATIC, "Static", kLabel, 94, 149, 25, 8 },
    { IDC_EDIT_KUKU_FLASH_COUNT, "Edit", kEdit, 121, 146, 16, 12 },
    { IDC_BUTTON_PLAY, "Button", BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP, 1, 171, 9, 12 },
    { IDC_STATIC, "Button", BS_GROUPBOX, 0, 0, 141, 40 },
};

} // namespace

// The dialog runs from the menu centred over the clock, which it disables
// while it is open.
TEST_F(OptionsDialogTest, TemplateHoldsTheControlsInTabOrderCentredOverTheClock)
{
    wintest::RunClock(clock, [&] {
        OpenFromMenu([&](HWND options) {
            EXPECT_FALSE(IsWindowEnabled(clock.m_hWnd));
            EXPECT_EQ(GetWindow(options, GW_OWNER), clock.m_hWnd);
            RECT dlg, owner;
            GetWindowRect(options, &dlg);
            GetWindowRect(clock.m_hWnd, &owner);
            EXPECT_NEAR((dlg.left + dlg.right) / 2, (owner.left + owner.right) / 2, 1);
            EXPECT_NEAR((dlg.top + dlg.bottom) / 2, (owner.top + owner.bottom) / 2, 1);

            char caption[64] = "";
            GetWindowTextA(options, caption, sizeof caption);
            EXPECT_STREQ(caption, "Zentim options");
            const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME |
                                WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER;
            EXPECT_EQ(GetWindowLongA(options, GWL_STYLE) & frame,
                      static_cast<LONG>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
            RECT size{ 0, 0, 253, 207 }, client;
            MapDialogRect(options, &size);
            GetClientRect(options, &client);
            EXPECT_EQ(client, size);

            size_t row = 0;
            for (HWND child = GetWindow(options, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT), ++row) {
                if (row >= std::size(kTemplate))
                    continue;
                const ControlRow& expected = kTemplate[row];
                SCOPED_TRACE("control " + std::to_string(row + 1));
                EXPECT_EQ(GetDlgCtrlID(child), expected.id);
                char className[32] = "";
                GetClassNameA(child, className, sizeof className);
                EXPECT_STRCASEEQ(className, expected.className);
                // Edit controls trade their WS_BORDER for WS_EX_CLIENTEDGE as
                // they are created, and the dialog manager adds
                // WS_EX_NOPARENTNOTIFY to every control.
                const bool edit = lstrcmpA(expected.className, "Edit") == 0;
                EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)),
                          (WS_CHILD | WS_VISIBLE | expected.style) & ~(edit ? WS_BORDER : 0));
                EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY,
                          edit ? WS_EX_CLIENTEDGE : 0);
                // The dialog manager converts position and size one by one.
                RECT want{ expected.x, expected.y, expected.cx, expected.cy }, got;
                MapDialogRect(options, &want);
                GetWindowRect(child, &got);
                MapWindowPoints(nullptr, options, reinterpret_cast<POINT*>(&got), 2);
                EXPECT_EQ((RECT{ got.left, got.top, got.right - got.left, got.bottom - got.top }),
                          want);
            }
            EXPECT_EQ(row, std::size(kTemplate));
        });
        EXPECT_TRUE(IsWindowEnabled(clock.m_hWnd));
    });
}

// Every opening shows the clock's settings afresh, the width boxes and the
// two option boxes empty whatever was done with them before. Apply reads
// the numbers as atoi does and keeps the dialog open; what is typed after
// it and then cancelled is lost.
TEST_F(OptionsDialogTest, OpensWithTheSettingsAndApplyWritesTheBoxesBack)
{
    const struct {
        int panel; // stored; only 1 opens the box checked, and Apply turns it
        const char* type;
        const char* flashes;
        Strings applied;
    } cases[] = {
        { 1, "15abc", "-5", { "15", "new.wav", "-5", "Up", "Down", "0" } },
        { 0, "abc", "", { "0", "new.wav", "0", "Up", "Down", "1" } },
        { 2, " 7", "+3", { "7", "new.wav", "3", "Up", "Down", "1" } },
    };
    wintest::RunClock(clock, [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.type);
            clock.m_nKukuType = 30;
            clock.m_strKukuSound = "C:\\sounds\\cuckoo.wav";
            clock.m_nKukuFlashCount = -3;
            clock.m_strUpStr = "Top";
            clock.m_strDownStr = "";
            clock.m_nDigitalPanel = c.panel;
            OpenFromMenu([&](HWND options) {
                EXPECT_EQ(Texts(options),
                          (Strings{ "30", "C:\\sounds\\cuckoo.wav", "-3", "Top", "" }));
                EXPECT_EQ(Checked(options, IDC_CHECK_DIGITAL_PANEL), c.panel == 1);
                EXPECT_EQ(GetFocus(), GetDlgItem(options, IDC_BUTTON_APPLY));
                for (int id : { IDC_EDIT_HOUR_ARROW_WIDTH, IDC_EDIT_MINUTE_ARROW_WIDTH,
                                IDC_EDIT_SCALE_POINTS_WIDTH }) {
                    EXPECT_EQ(Text(options, id), "");
                    SetDlgItemTextA(options, id, "3");
                }
                for (int id : { IDC_CHECK_LOAD_AT_START, IDC_CHECK_ALWAYS_ON_TOP }) {
                    EXPECT_FALSE(Checked(options, id));
                    CheckDlgButton(options, id, BST_CHECKED);
                }
                SetTexts(options, { c.type, "new.wav", c.flashes, "Up", "Down" });
                CheckDlgButton(options, IDC_CHECK_DIGITAL_PANEL,
                               c.panel == 1 ? BST_UNCHECKED : BST_CHECKED);
                Click(options, IDC_BUTTON_APPLY);
                EXPECT_TRUE(IsWindowVisible(options));
                SetTexts(options, { "99", "typed.wav", "99", "typed", "typed" });
                CheckDlgButton(options, IDC_CHECK_DIGITAL_PANEL,
                               c.panel == 1 ? BST_CHECKED : BST_UNCHECKED);
                Click(options, IDC_BUTTON_CANCEL);
                EXPECT_FALSE(IsWindowVisible(options));
            });
            EXPECT_EQ(wintest::SettingsOf(clock), c.applied);
        }
    });
}

TEST_F(OptionsDialogTest, EnterInAnEditBoxAppliesAndKeepsTheDialogOpen)
{
    OpenOptions([&](HWND options) {
        SetDlgItemTextA(options, IDC_EDIT_DOWN_STR, "entered");
        SetFocus(GetDlgItem(options, IDC_EDIT_DOWN_STR));
        PostMessageA(GetDlgItem(options, IDC_EDIT_DOWN_STR), WM_KEYDOWN, VK_RETURN, 1);
        // Looked at once the dialog's loop has handled the key.
        WhenShown("Zentim options", [&](HWND) { EXPECT_EQ(clock.m_strDownStr, "entered"); });
    });
}

// Save takes what the boxes hold, applied or not, writes it, confirms and
// closes the dialog.
TEST_F(OptionsDialogTest, SaveStoresTheTypedValuesAndCloses)
{
    std::string message;
    OpenOptions([&](HWND options) {
        SetTexts(options, { "45", "s.wav", "2", "typed, not applied", "down" });
        CheckDlgButton(options, IDC_CHECK_DIGITAL_PANEL, BST_CHECKED);
        WhenShown("Save", [&](HWND box) { message = Text(box, 0xFFFF); });
        Click(options, IDC_BUTTON_SAVE);
        EXPECT_FALSE(IsWindowVisible(options));
    });
    EXPECT_EQ(message.rfind("Preved! Options save into ", 0), 0u) << message;
    EXPECT_EQ(wintest::SettingsOf(clock),
              (Strings{ "45", "s.wav", "2", "typed, not applied", "down", "1" }));
    EXPECT_EQ(GetPrivateProfileIntA("Options", "kuku_type", -1, dir.File("zentim.ini").c_str()),
              45u);
}

namespace {
std::vector<std::string> g_played;

BOOL WINAPI RecordSound(LPCSTR sound, HMODULE module, DWORD flags)
{
    EXPECT_EQ(module, nullptr);
    EXPECT_EQ(flags, static_cast<DWORD>(SND_FILENAME));
    g_played.push_back(sound);
    return TRUE;
}
} // namespace

TEST_F(OptionsDialogTest, PlayButtonShowsTheBitmapAndPlaysTheBox)
{
    g_played.clear();
    clock.m_strKukuSound = "applied.wav";
    OpenOptions([&](HWND options) {
        const HWND play = GetDlgItem(options, IDC_BUTTON_PLAY);
        const auto image =
            reinterpret_cast<HBITMAP>(SendMessageA(play, BM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP bm{};
        ASSERT_TRUE(image != nullptr && GetObjectA(image, sizeof bm, &bm) == sizeof bm);
        EXPECT_EQ(bm.bmWidth, 10);
        EXPECT_EQ(bm.bmHeight, 16);

        static_cast<COptions*>(CWnd::FromHandle(options))->SetSoundPlayer(&RecordSound);
        SetDlgItemTextA(options, IDC_EDIT_KUKU_SOUND, "");
        Click(options, IDC_BUTTON_PLAY);
        EXPECT_TRUE(g_played.empty());
        SetDlgItemTextA(options, IDC_EDIT_KUKU_SOUND, "C:\\typed.wav");
        Click(options, IDC_BUTTON_PLAY);
        EXPECT_EQ(g_played, Strings{ "C:\\typed.wav" });
    });
    EXPECT_EQ(clock.m_strKukuSound, "applied.wav");
}

TEST_F(OptionsDialogTest, BrowseStartsBesideTheDocumentsAndFillsTheBox)
{
    char documents[MAX_PATH] = "";
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents),
              S_OK);
    char parent[MAX_PATH] = "";
    GetFullPathNameA((WithoutTrailingBackslash(documents) + "\\..").c_str(), MAX_PATH, parent,
                     nullptr);
    dir.Write("chime.wav", "RIFF");
    const std::string chosen = dir.File("chime.wav");
    std::string openFolder;
    clock.m_strKukuSound = "old.wav";
    OpenOptions([&](HWND options) {
        WhenShown("Open", [&](HWND open) {
            char folder[MAX_PATH] = "";
            SendMessageA(open, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
            openFolder = folder;
            // The file name box is edt1 in the older layout and cmb13 in the newer.
            for (int box : { edt1, cmb13 })
                SetDlgItemTextA(open, box, chosen.c_str());
            SendMessageA(open, WM_COMMAND, IDOK, 0);
        });
        Click(options, IDC_BUTTON_BROWSE);
        EXPECT_EQ(Text(options, IDC_EDIT_KUKU_SOUND), chosen);
    });
    EXPECT_EQ(WithoutTrailingBackslash(openFolder), WithoutTrailingBackslash(parent));
    EXPECT_EQ(clock.m_strKukuSound, "old.wav");
}

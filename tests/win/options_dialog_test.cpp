// The options dialog, opened from a running clock window as its popup menu
// does, and driven from inside the dialog's own modal loop.
#include "clockwnd/zentim_dlg.h"
#include "framework/winapp.h"
#include "options/options_dlg.h"
#include "res/resource.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Step = std::function<void(HWND options)>;

HWND FindShownDialog(const char* caption)
{
    const HWND dlg = FindWindowA("#32770", caption);
    return dlg != nullptr && IsWindowVisible(dlg) ? dlg : nullptr;
}

// The steps run one timer tick apart, so that what a step posts (keys, for
// instance) goes through the dialog's modal loop before the next step.
const std::vector<Step>* g_steps = nullptr;
size_t g_nextStep = 0;
bool g_inStep = false;
HWND g_options = nullptr;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD)
{
    // A step may run a nested loop (a message box) that delivers this timer.
    const HWND options = FindShownDialog("Zentim options");
    if (g_inStep || options == nullptr)
        return;
    g_options = options;
    if (g_nextStep == g_steps->size()) {
        SendMessageA(options, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    g_inStep = true;
    (*g_steps)[g_nextStep++](options);
    g_inStep = false;
}

// Closes the next "Save" message box that shows, keeping its text.
std::string g_saveMessage;

void CALLBACK CloseSaveMessage(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = FindShownDialog("Save");
    if (box == nullptr)
        return;
    KillTimer(nullptr, id);
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_saveMessage = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void Click(HWND options, int id) { SendMessageA(GetDlgItem(options, id), BM_CLICK, 0, 0); }

void SetText(HWND options, int id, const std::string& text)
{
    SetDlgItemTextA(options, id, text.c_str());
}

std::string Text(HWND options, int id)
{
    char text[1024] = "";
    GetDlgItemTextA(options, id, text, sizeof text);
    return text;
}

bool Checked(HWND options, int id) { return IsDlgButtonChecked(options, id) == BST_CHECKED; }

face::ClockTime QuietTime()
{
    // Half past a minute: no chime interval falls due.
    return face::ClockTime{ 0, true, 10, 7, 30 };
}

class OptionsDialogTest : public testing::Test {
protected:
    OptionsDialogTest()
    {
        clock.SetTimeSource(&QuietTime);
        AfxGetApp()->m_pMainWnd = &clock;
    }
    ~OptionsDialogTest() override { AfxGetApp()->m_pMainWnd = nullptr; }

    // Runs the clock window; script runs inside its modal loop.
    void RunClock(const std::function<void()>& script) { wintest::RunModalScript(clock, script); }

    // Inside RunClock: opens the dialog as the popup menu's "Options" does,
    // runs the steps in it and returns when the dialog has gone.
    void OpenFromMenu(const std::vector<Step>& steps)
    {
        g_steps = &steps;
        g_nextStep = 0;
        g_options = nullptr;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &RunNextStep);
        PostMessageA(clock.m_hWnd, WM_COMMAND, ID_MENU_OPTIONS, 0);
        EXPECT_TRUE(
            wintest::PumpUntil([] { return g_options != nullptr && !IsWindow(g_options); }));
        KillTimer(nullptr, timer);
        EXPECT_EQ(g_nextStep, steps.size());
        g_steps = nullptr;
        clockEnabledAfter = IsWindowEnabled(clock.m_hWnd) != FALSE;
    }

    void OpenOptions(const std::vector<Step>& steps)
    {
        RunClock([&] { OpenFromMenu(steps); });
    }

    wintest::ScratchDir dir;
    CZentimDlg clock;
    bool clockEnabledAfter = false;
};

struct ControlRow {
    int id;
    const char* className;
    DWORD style; // beside WS_CHILD | WS_VISIBLE
    RECT rect;   // x, y, width, height in dialog units (not right, bottom)
};

constexpr DWORD kEdit = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr DWORD kRightLabel = SS_RIGHT | WS_GROUP;

const ControlRow kTemplate[] = {
    { IDC_BUTTON_APPLY, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, { 148, 188, 51, 15 } },
    { IDC_EDIT_UP_STR, "Edit", kEdit, { 50, 47, 83, 12 } },
    { IDC_EDIT_DOWN_STR, "Edit", kEdit, { 50, 60, 83, 12 } },
    { IDC_STATIC, "Static", kLabel, { 15, 50, 32, 8 } },
    { IDC_STATIC, "Static", kLabel, { 6, 61, 42, 8 } },
    { IDC_BUTTON_COLOR_BACKGROUND, "Button", kPush, { 146, 9, 102, 9 } },
    { IDC_BUTTON_COLOR_ARROWS, "Button", kPush, { 146, 19, 102, 10 } },
    { IDC_BUTTON_COLOR_DIGITAL_BKGRD, "Button", kPush, { 146, 41, 102, 10 } },
    { IDC_BUTTON_COLOR_DIGITAL_DIGITS, "Button", kPush, { 146, 52, 102, 9 } },
    { IDC_STATIC, "Button", BS_GROUPBOX, { 0, 42, 141, 33 } },
    { IDC_STATIC, "Button", BS_GROUPBOX, { 143, 0, 108, 91 } },
    { IDC_BUTTON_COLOR_SECOND_ARROW, "Button", kPush, { 146, 30, 102, 10 } },
    { IDC_STATIC, "Button", BS_GROUPBOX, { 0, 75, 141, 58 } },
    { IDC_STATIC, "Button", BS_GROUPBOX, { 144, 91, 108, 95 } },
    { IDC_BUTTON_CANCEL, "Button", kPush, { 2, 188, 71, 15 } },
    { IDC_STATIC, "Static", kLabel, { 5, 18, 127, 8 } },
    { IDC_BUTTON_SAVE, "Button", kPush, { 206, 188, 45, 14 } },
    { IDC_CHECK_LOAD_AT_START, "Button", kCheck, { 150, 101, 97, 10 } },
    { IDC_CHECK_ALWAYS_ON_TOP, "Button", kCheck, { 149, 111, 98, 10 } },
    { IDC_EDIT_HOUR_ARROW_WIDTH, "Edit", kEdit, { 65, 88, 22, 12 } },
    { IDC_EDIT_MINUTE_ARROW_WIDTH, "Edit", kEdit, { 65, 101, 22, 12 } },
    { IDC_EDIT_SCALE_POINTS_WIDTH, "Edit", kEdit, { 65, 113, 22, 12 } },
    { IDC_STATIC, "Static", kRightLabel, { 10, 92, 53, 8 } },
    { IDC_STATIC, "Static", kRightLabel, { 4, 102, 60, 8 } },
    { IDC_STATIC, "Static", kRightLabel, { 6, 112, 57, 8 } },
    { IDC_STATIC, "Button", BS_GROUPBOX, { 0, 133, 141, 53 } },
    { IDC_STATIC, "Static", kLabel, { 2, 148, 20, 8 } },
    { IDC_EDIT_KUKU_TYPE, "Edit", kEdit, { 21, 145, 17, 12 } },
    { IDC_STATIC, "Static", kLabel, { 40, 149, 38, 8 } },
    { IDC_STATIC, "Static", kLabel, { 3, 162, 56, 8 } },
    { IDC_BUTTON_BROWSE, "Button", kPush, { 129, 171, 10, 12 } },
    { IDC_EDIT_KUKU_SOUND, "Edit", kEdit, { 12, 171, 116, 12 } },
    { IDC_CHECK_DIGITAL_PANEL, "Button", kCheck, { 150, 121, 97, 10 } },
    { IDC_STATIC, "Static", kLabel, { 94, 149, 25, 8 } },
    { IDC_EDIT_KUKU_FLASH_COUNT, "Edit", kEdit, { 121, 146, 16, 12 } },
    { IDC_BUTTON_PLAY, "Button", BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP, { 1, 171, 9, 12 } },
    { IDC_STATIC, "Button", BS_GROUPBOX, { 0, 0, 141, 40 } },
};

} // namespace

TEST_F(OptionsDialogTest, TemplateHoldsTheControlsInTabOrder)
{
    OpenOptions({ [&](HWND options) {
        char caption[64] = "";
        GetWindowTextA(options, caption, sizeof caption);
        EXPECT_STREQ(caption, "Zentim options");
        const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME |
                            WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER;
        EXPECT_EQ(GetWindowLongA(options, GWL_STYLE) & frame,
                  static_cast<LONG>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
        RECT size{ 0, 0, 253, 207 };
        MapDialogRect(options, &size);
        RECT client;
        GetClientRect(options, &client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

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
            DWORD style = WS_CHILD | WS_VISIBLE | expected.style;
            DWORD exStyle = 0;
            if (std::string(expected.className) == "Edit") {
                style &= ~WS_BORDER;
                exStyle = WS_EX_CLIENTEDGE;
            }
            EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), style);
            EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY,
                      static_cast<LONG>(exStyle));
            // The dialog manager converts position and size one by one.
            RECT want = expected.rect;
            MapDialogRect(options, &want);
            RECT got;
            GetWindowRect(child, &got);
            MapWindowPoints(nullptr, options, reinterpret_cast<POINT*>(&got), 2);
            EXPECT_EQ((std::vector<LONG>{ got.left, got.top, got.right - got.left,
                                          got.bottom - got.top }),
                      (std::vector<LONG>{ want.left, want.top, want.right, want.bottom }));
        }
        EXPECT_EQ(row, std::size(kTemplate));
    } });
}

TEST_F(OptionsDialogTest, RunsCentredOverTheDisabledClock)
{
    bool clockEnabledDuring = true;
    OpenOptions({ [&](HWND options) {
        clockEnabledDuring = IsWindowEnabled(clock.m_hWnd) != FALSE;
        EXPECT_EQ(GetWindow(options, GW_OWNER), clock.m_hWnd);
        RECT dlg, owner;
        GetWindowRect(options, &dlg);
        GetWindowRect(clock.m_hWnd, &owner);
        EXPECT_NEAR((dlg.left + dlg.right) / 2, (owner.left + owner.right) / 2, 1);
        EXPECT_NEAR((dlg.top + dlg.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    } });
    EXPECT_FALSE(clockEnabledDuring);
    EXPECT_TRUE(clockEnabledAfter);
}

TEST_F(OptionsDialogTest, OpensWithTheClockSettings)
{
    struct Case {
        int digitalPanel;
        bool checked;
        int appliedPanel;
    };
    RunClock([&] {
        for (const Case& c : { Case{ 1, true, 1 }, Case{ 0, false, 0 }, Case{ 2, false, 0 } }) {
            SCOPED_TRACE("digital panel " + std::to_string(c.digitalPanel));
            clock.m_nKukuType = 30;
            clock.m_strKukuSound = "C:\\sounds\\cuckoo.wav";
            clock.m_nKukuFlashCount = -3;
            clock.m_strUpStr = "Top";
            clock.m_strDownStr = "";
            clock.m_nDigitalPanel = c.digitalPanel;
            OpenFromMenu({ [&](HWND options) {
                EXPECT_EQ(Text(options, IDC_EDIT_KUKU_TYPE), "30");
                EXPECT_EQ(Text(options, IDC_EDIT_KUKU_SOUND), "C:\\sounds\\cuckoo.wav");
                EXPECT_EQ(Text(options, IDC_EDIT_KUKU_FLASH_COUNT), "-3");
                EXPECT_EQ(Text(options, IDC_EDIT_UP_STR), "Top");
                EXPECT_EQ(Text(options, IDC_EDIT_DOWN_STR), "");
                EXPECT_EQ(Checked(options, IDC_CHECK_DIGITAL_PANEL), c.checked);
                EXPECT_EQ(GetFocus(), GetDlgItem(options, IDC_BUTTON_APPLY));
                // Behind these there is nothing yet: they open empty every time.
                for (int id : { IDC_EDIT_HOUR_ARROW_WIDTH, IDC_EDIT_MINUTE_ARROW_WIDTH,
                                IDC_EDIT_SCALE_POINTS_WIDTH }) {
                    EXPECT_EQ(Text(options, id), "");
                    SetText(options, id, "3");
                }
                for (int id : { IDC_CHECK_LOAD_AT_START, IDC_CHECK_ALWAYS_ON_TOP }) {
                    EXPECT_FALSE(Checked(options, id));
                    CheckDlgButton(options, id, BST_CHECKED);
                }
                Click(options, IDC_BUTTON_APPLY);
            } });
            EXPECT_EQ(clock.m_nDigitalPanel, c.appliedPanel);
            EXPECT_EQ(clock.m_nKukuType, 30);
            EXPECT_EQ(clock.m_nKukuFlashCount, -3);
            EXPECT_EQ(clock.m_strKukuSound, "C:\\sounds\\cuckoo.wav");
        }
    });
}

TEST_F(OptionsDialogTest, ApplyWritesTheBoxesLikeAtoiAndCancelKeepsIt)
{
    struct Case {
        const char* text;
        int number;
    };
    const Case cases[] = { { "15abc", 15 }, { "-5", -5 }, { "abc", 0 }, { "", 0 }, { " 7", 7 } };
    std::vector<Step> steps;
    for (const Case& c : cases) {
        steps.push_back([&, c](HWND options) {
            SCOPED_TRACE(c.text);
            SetText(options, IDC_EDIT_KUKU_TYPE, c.text);
            SetText(options, IDC_EDIT_KUKU_FLASH_COUNT, c.text);
            SetText(options, IDC_EDIT_KUKU_SOUND, std::string("sound ") + c.text);
            SetText(options, IDC_EDIT_UP_STR, std::string("up ") + c.text);
            SetText(options, IDC_EDIT_DOWN_STR, std::string("down ") + c.text);
            CheckDlgButton(options, IDC_CHECK_DIGITAL_PANEL,
                           c.number == 0 ? BST_CHECKED : BST_UNCHECKED);
            Click(options, IDC_BUTTON_APPLY);
            EXPECT_TRUE(IsWindowVisible(options));
            EXPECT_EQ(clock.m_nKukuType, c.number);
            EXPECT_EQ(clock.m_nKukuFlashCount, c.number);
            EXPECT_EQ(clock.m_strKukuSound, std::string("sound ") + c.text);
            EXPECT_EQ(clock.m_strUpStr, std::string("up ") + c.text);
            EXPECT_EQ(clock.m_strDownStr, std::string("down ") + c.text);
            EXPECT_EQ(clock.m_nDigitalPanel, c.number == 0 ? 1 : 0);
        });
    }
    // Typed after the last Apply, then cancelled: the applied values stay.
    steps.push_back([&](HWND options) {
        SetText(options, IDC_EDIT_KUKU_TYPE, "99");
        SetText(options, IDC_EDIT_UP_STR, "typed");
        Click(options, IDC_BUTTON_CANCEL);
        EXPECT_FALSE(IsWindowVisible(options));
    });
    OpenOptions(steps);
    EXPECT_EQ(clock.m_nKukuType, 7);
    EXPECT_EQ(clock.m_strUpStr, "up  7");
}

TEST_F(OptionsDialogTest, EnterInAnEditBoxAppliesAndKeepsTheDialogOpen)
{
    OpenOptions({
        [&](HWND options) {
            SetText(options, IDC_EDIT_DOWN_STR, "entered");
            SetFocus(GetDlgItem(options, IDC_EDIT_DOWN_STR));
            PostMessageA(GetDlgItem(options, IDC_EDIT_DOWN_STR), WM_KEYDOWN, VK_RETURN, 1);
        },
        [&](HWND options) {
            EXPECT_EQ(clock.m_strDownStr, "entered");
            EXPECT_TRUE(IsWindowVisible(options));
        },
    });
}

TEST_F(OptionsDialogTest, SaveStoresTheTypedValuesAndCloses)
{
    clock.m_nKukuType = 5;
    clock.m_strUpStr = "old";
    OpenOptions({ [&](HWND options) {
        SetText(options, IDC_EDIT_KUKU_TYPE, "45");
        SetText(options, IDC_EDIT_UP_STR, "typed, not applied");
        CheckDlgButton(options, IDC_CHECK_DIGITAL_PANEL, BST_CHECKED);
        g_saveMessage.clear();
        SetTimer(nullptr, 0, 10, &CloseSaveMessage);
        Click(options, IDC_BUTTON_SAVE);
        EXPECT_FALSE(IsWindowVisible(options));
    } });
    EXPECT_EQ(g_saveMessage.rfind("Preved! Options save into ", 0), 0u) << g_saveMessage;
    EXPECT_EQ(clock.m_nKukuType, 45);
    EXPECT_EQ(clock.m_strUpStr, "typed, not applied");
    EXPECT_EQ(clock.m_nDigitalPanel, 1);
    const std::string ini = dir.File("zentim.ini");
    EXPECT_EQ(GetPrivateProfileIntA("Options", "kuku_type", -1, ini.c_str()), 45u);
    EXPECT_EQ(GetPrivateProfileIntA("Options", "digital_panel", -1, ini.c_str()), 1u);
    char up[64] = "";
    GetPrivateProfileStringA("Options", "up_str", "", up, sizeof up, ini.c_str());
    EXPECT_STREQ(up, "typed, not applied");
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
    OpenOptions({ [&](HWND options) {
        const HWND play = GetDlgItem(options, IDC_BUTTON_PLAY);
        const HBITMAP image =
            reinterpret_cast<HBITMAP>(SendMessageA(play, BM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP bm{};
        ASSERT_TRUE(image != nullptr && GetObjectA(image, sizeof bm, &bm) == sizeof bm);
        EXPECT_EQ(bm.bmWidth, 10);
        EXPECT_EQ(bm.bmHeight, 16);

        static_cast<COptions*>(CWnd::FromHandle(options))->SetSoundPlayer(&RecordSound);
        SetText(options, IDC_EDIT_KUKU_SOUND, "");
        Click(options, IDC_BUTTON_PLAY);
        EXPECT_TRUE(g_played.empty());
        SetText(options, IDC_EDIT_KUKU_SOUND, "C:\\typed.wav");
        Click(options, IDC_BUTTON_PLAY);
        EXPECT_EQ(g_played, std::vector<std::string>{ "C:\\typed.wav" });
    } });
    EXPECT_EQ(clock.m_strKukuSound, "applied.wav");
}

namespace {
std::string g_openFolder;
std::string g_fileToChoose;

// Picks g_fileToChoose in the next open-file dialog that shows, keeping the
// folder it started in.
void CALLBACK ChooseFile(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND open = FindShownDialog("Open");
    if (open == nullptr)
        return;
    KillTimer(nullptr, id);
    char folder[MAX_PATH] = "";
    SendMessageA(open, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    g_openFolder = folder;
    // The file name box is edt1 in the older layout and cmb13 in the newer.
    for (int box : { edt1, cmb13 })
        SetDlgItemTextA(open, box, g_fileToChoose.c_str());
    PostMessageA(open, WM_COMMAND, IDOK, 0);
}

std::string WithoutTrailingBackslash(std::string path)
{
    path.erase(path.find_last_not_of('\\') + 1);
    return path;
}
} // namespace

TEST_F(OptionsDialogTest, BrowseStartsBesideTheDocumentsAndFillsTheBox)
{
    char documents[MAX_PATH] = "";
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents),
              S_OK);
    char parent[MAX_PATH] = "";
    GetFullPathNameA((WithoutTrailingBackslash(documents) + "\\..").c_str(), MAX_PATH, parent,
                     nullptr);
    dir.Write("chime.wav", "RIFF");
    g_fileToChoose = dir.File("chime.wav");
    g_openFolder.clear();
    clock.m_strKukuSound = "old.wav";
    OpenOptions({ [&](HWND options) {
        SetTimer(nullptr, 0, 10, &ChooseFile);
        Click(options, IDC_BUTTON_BROWSE);
        EXPECT_EQ(Text(options, IDC_EDIT_KUKU_SOUND), g_fileToChoose);
    } });
    EXPECT_EQ(WithoutTrailingBackslash(g_openFolder), WithoutTrailingBackslash(parent));
    EXPECT_EQ(clock.m_strKukuSound, "old.wav");
}

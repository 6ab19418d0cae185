// Loading zentim.ini at the first paint: the saved rectangle, the texts and
// their messages, and files that are damaged. No load may write the file.
#include "clock_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace {

using Change = std::pair<const char*, const char*>;

// The file that saving writes for a 240 x 240 window at (100, 200), each
// changed key given a new value, or left out when the value is null.
std::string ExampleWith(std::initializer_list<Change> changes = {})
{
    static const char* const lines[] = {
        "[MainWindow]",    "size=\"100,340,200,440\"", "[Options]",         "kuku_type=30",
        "kuku_sound=\"D:\\Sounds\\kuku.wav\"",         "kuku_flash_count=3", "up_str=\"Office\"",
        "down_str=\"Quartz\"",                         "digital_panel=1",
    };
    std::string text;
    for (std::string line : lines) {
        for (const Change& change : changes) {
            if (line.rfind(std::string(change.first) + "=", 0) == 0)
                line = change.second != nullptr ? std::string(change.first) + "=" + change.second : "";
        }
        if (!line.empty())
            text += line + "\r\n";
    }
    return text;
}

struct Loaded {
    const CZentimDlg& dlg; // the settings as loaded
    RECT window;           // after the first paint
    RECT untouched;        // where a load that does not move it leaves it
    RECT work;             // the primary monitor's work area
    bool clipped;
    std::vector<wintest::MessageBoxRecord> boxes;
};

void Load(const std::string& file, const std::function<void(const Loaded&)>& check)
{
    wintest::ScratchDir dir;
    dir.Write("zentim.ini", file);
    const wintest::FileState before = wintest::SettingsFileState(dir);
    CZentimDlg dlg;
    dlg.SetTimeSource(&wintest::QuietTime);
    Loaded loaded{ dlg, {}, {}, {}, false, {} };
    {
        wintest::MessageBoxWatcher watcher(dlg);
        wintest::RunClock(dlg, [&] {
            GetWindowRect(dlg.m_hWnd, &loaded.window);
            loaded.untouched = wintest::CentredTemplateRect(dlg.m_hWnd);
            loaded.clipped = wintest::IsClippedToClockEllipse(dlg.m_hWnd);
        });
        loaded.boxes = watcher.Boxes();
    }
    MONITORINFO mi{ sizeof mi, {}, {}, 0 };
    GetMonitorInfoA(MonitorFromPoint({ 0, 0 }, MONITOR_DEFAULTTOPRIMARY), &mi);
    loaded.work = mi.rcWork;
    EXPECT_TRUE(loaded.clipped);
    EXPECT_LE(loaded.boxes.size(), 1u);
    EXPECT_EQ(wintest::SettingsFileState(dir), before) << "a load wrote the file";
    check(loaded);
}

void ExpectNoMessage(const Loaded& l) { EXPECT_TRUE(l.boxes.empty()); }

void ExpectMessage(const Loaded& l, const std::string& text)
{
    ASSERT_EQ(l.boxes.size(), 1u);
    EXPECT_EQ(l.boxes[0].caption, "Load Options");
    EXPECT_EQ(l.boxes[0].text, text);
    EXPECT_EQ(l.boxes[0].icon, static_cast<UINT>(MB_ICONERROR));
}

TEST(LoadOptions, ExampleFileSetsWindowAndEverySetting)
{
    Load(ExampleWith(), [](const Loaded& l) {
        EXPECT_EQ(l.window, (RECT{ 100, 200, 340, 440 }));
        EXPECT_EQ(l.dlg.m_nKukuType, 30);
        EXPECT_EQ(l.dlg.m_strKukuSound, "D:\\Sounds\\kuku.wav");
        EXPECT_EQ(l.dlg.m_nKukuFlashCount, 3);
        EXPECT_EQ(l.dlg.m_strUpStr, "Office");
        EXPECT_EQ(l.dlg.m_strDownStr, "Quartz");
        EXPECT_EQ(l.dlg.m_nDigitalPanel, 1);
        ExpectNoMessage(l);
    });
}

TEST(LoadOptions, SavedRectangle)
{
    const RECT kSaved{ 100, 200, 340, 440 };
    const std::optional<RECT> kStays;
    const struct {
        const char* name;
        const char* size; // null: no size key
        std::optional<RECT> expected;
        const char* message;
    } cases[] = {
        { "blanks after the commas", "\"100, 340, 200, 440\"", kSaved, nullptr },
        { "blanks around every piece", "\" 100 , 340 , 200 , 440 \"", kSaved, nullptr },
        { "exactly 32 x 32", "\"100,132,200,232\"", RECT{ 100, 200, 132, 232 }, nullptr },
        { "five pieces", "\"100,340,200,440,\"", kStays, nullptr },
        { "three pieces", "\"100,340,200\"", kStays, nullptr },
        { "width 31", "\"100,131,200,440\"", kStays, nullptr },
        { "height 31", "\"100,340,200,231\"", kStays, nullptr },
        { "negative width", "\"340,100,200,440\"", kStays, nullptr },
        { "no size key", nullptr, kStays, nullptr },
        { "empty quoted", "\"\"", kStays, "Can`t load MainWindow size!\n" },
        { "empty bare", "", kStays, "Can`t load MainWindow size!\n" },
        { "partly off screen is left", "\"-100,140,-100,140\"", RECT{ -100, -100, 140, 140 }, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(ExampleWith({ { "size", c.size } }), [&](const Loaded& l) {
            EXPECT_EQ(l.window, c.expected.value_or(l.untouched));
            if (c.message != nullptr)
                ExpectMessage(l, c.message);
            else
                ExpectNoMessage(l);
        });
    }
}

TEST(LoadOptions, RectangleOutsideEveryMonitorComesOntoTheWorkArea)
{
    const struct {
        const char* size;
        bool beyondRightBottom;
    } cases[] = { { "\"30000,30240,20000,20240\"", true }, { "\"-5000,-4760,-3000,-2760\"", false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        Load(ExampleWith({ { "size", c.size } }), [&](const Loaded& l) {
            const LONG left = c.beyondRightBottom ? l.work.right - 240 : l.work.left;
            const LONG top = c.beyondRightBottom ? l.work.bottom - 240 : l.work.top;
            EXPECT_EQ(l.window, (RECT{ left, top, left + 240, top + 240 }));
            ExpectNoMessage(l);
        });
    }
}

TEST(LoadOptions, Texts)
{
    const std::string longText(3000, 'x');
    const std::string quotedLong = "\"" + longText + "\"";
    const struct {
        const char* name;
        std::string file;
        const char* sound;
        const char* up;
        std::string down;
        const char* message;
    } cases[] = {
        { "present but empty, quoted",
          ExampleWith({ { "kuku_sound", "\"\"" }, { "up_str", "\"\"" }, { "down_str", "\"\"" } }), "", "", "",
          nullptr },
        { "present but empty, bare", ExampleWith({ { "kuku_sound", "" }, { "up_str", "" }, { "down_str", "" } }),
          "", "", "", nullptr },
        { "all three absent",
          ExampleWith({ { "kuku_sound", nullptr }, { "up_str", nullptr }, { "down_str", nullptr } }), "", "", "",
          "Can`t load KukuSound file!\nCan`t load UpString text!\nCan`t load BottomString text!\n" },
        { "down_str absent", ExampleWith({ { "down_str", nullptr } }), "D:\\Sounds\\kuku.wav", "Office", "",
          "Can`t load BottomString text!\n" },
        { "blanks and quotes inside", ExampleWith({ { "up_str", "\" say \"hi\" \"" } }), "D:\\Sounds\\kuku.wav",
          " say \"hi\" ", "Quartz", nullptr },
        { "longer than 2047", ExampleWith({ { "down_str", quotedLong.c_str() } }), "D:\\Sounds\\kuku.wav",
          "Office", longText.substr(0, 2047), nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(c.file, [&](const Loaded& l) {
            EXPECT_EQ(l.dlg.m_strKukuSound, c.sound);
            EXPECT_EQ(l.dlg.m_strUpStr, c.up);
            EXPECT_EQ(l.dlg.m_strDownStr, c.down);
            if (c.message != nullptr)
                ExpectMessage(l, c.message);
            else
                ExpectNoMessage(l);
        });
    }
}

// Damaged files load what they can; Load itself checks that the file stays
// as it was and that at most one box shows.
TEST(LoadOptions, DamagedFiles)
{
    std::string binary = "[Options]\r\nkuku_type=30\r\nup_str=\"Office\"\r\n";
    binary += std::string("\x00\x01\x02\xff\xfe[Opt\x00ions]\r\n\x80\x81=\x90\r\n", 23);
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(i);
    const std::string bomThenBinary = "\xff\xfe" + binary;
    const std::string longLine = "[Options]\r\nkuku_type=30\r\njunk=" + std::string(100000, 'j') +
                                 "\r\nkuku_sound=\"a.wav\"\r\nup_str=\"Office\"\r\ndown_str=\"" +
                                 std::string(100000, 'd') + "\"\r\n";
    // Taken modulo 2^32, these would be a chime every 30 minutes, the panel
    // on and a window 1215752531 pixels wide.
    const std::string hugeNumbers = "[MainWindow]\r\nsize=\"-99999999999,340,200,440\"\r\n[Options]\r\n"
                                    "kuku_type=4294967326\r\nkuku_flash_count=-5\r\nup_str=\"Office\"\r\n"
                                    "digital_panel=4294967297\r\n";
    const std::string repeated = "[Options]\r\nkuku_sound=\"a.wav\"\r\nup_str=\"First\"\r\ndown_str=\"\"\r\n"
                                 "[MainWindow]\r\nsize=\"100,340,200,440\"\r\n[Options]\r\nup_str=\"Second\"\r\n"
                                 "[MainWindow]\r\nsize=\"0,500,0,500\"\r\n";
    const std::string noSections = "size=\"100,340,200,440\"\r\nkuku_type=30\r\nup_str=\"Office\"\r\n";

    const struct {
        const char* name;
        const std::string& file;
        void (*check)(const Loaded&);
    } cases[] = {
        { "binary bytes", binary,
          [](const Loaded& l) {
              EXPECT_EQ(l.dlg.m_nKukuType, 30);
              EXPECT_EQ(l.dlg.m_strUpStr, "Office");
          } },
        { "byte-order mark, then binary bytes", bomThenBinary, [](const Loaded&) {} },
        { "100 000-character lines", longLine,
          [](const Loaded& l) {
              EXPECT_EQ(l.dlg.m_nKukuType, 30);
              EXPECT_EQ(l.dlg.m_strUpStr, "Office");
              EXPECT_EQ(l.dlg.m_strDownStr, std::string(2047, 'd'));
              ExpectNoMessage(l);
          } },
        { "numbers beyond 32 bits", hugeNumbers,
          [](const Loaded& l) {
              EXPECT_EQ(l.window, l.untouched);
              EXPECT_EQ(l.dlg.m_nKukuType, INT_MAX);
              EXPECT_EQ(l.dlg.m_nKukuFlashCount, -5);
              EXPECT_EQ(l.dlg.m_nDigitalPanel, INT_MAX);
              EXPECT_EQ(l.dlg.m_strUpStr, "Office");
          } },
        { "repeated sections", repeated,
          [](const Loaded& l) {
              EXPECT_EQ(l.window, (RECT{ 100, 200, 340, 440 }));
              EXPECT_EQ(l.dlg.m_strUpStr, "First");
              ExpectNoMessage(l);
          } },
        { "no sections", noSections,
          [](const Loaded& l) {
              EXPECT_EQ(l.window, l.untouched);
              EXPECT_EQ(l.dlg.m_nKukuType, 0);
              ExpectMessage(l, "Can`t load KukuSound file!\nCan`t load UpString text!\n"
                               "Can`t load BottomString text!\n");
          } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(c.file, c.check);
    }
}

} // namespace

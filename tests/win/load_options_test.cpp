// Loading zentim.ini at the first paint: the saved rectangle, the texts and
// their messages, and files that are damaged. No load may write the file.
#include "clock_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace {

constexpr char kAbsentTexts[] =
    "Can`t load KukuSound file!\nCan`t load UpString text!\nCan`t load BottomString text!\n";
constexpr char kEmptySize[] = "Can`t load MainWindow size!\n";

// The file that saving writes for a 240 x 240 window at (100, 200), each
// changed key given a new value, or left out when the value is null.
std::string ExampleWith(std::initializer_list<std::pair<const char*, const char*>> changes = {})
{
    std::string text;
    for (std::string line : wintest::kExampleLines) {
        for (const auto& change : changes) {
            if (line.rfind(std::string(change.first) + "=", 0) == 0)
                line =
                    change.second != nullptr ? std::string(change.first) + "=" + change.second : "";
        }
        if (!line.empty())
            text += line + "\r\n";
    }
    return text;
}

// Each file is loaded at a first paint, after which the window must be
// clipped, the file as it was, and at most one box shown: an error "Load
// Options".
TEST(LoadOptions, Files)
{
    MONITORINFO mi{ sizeof mi, {}, {}, 0 };
    GetMonitorInfoA(MonitorFromPoint({ 0, 0 }, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& work = mi.rcWork;
    const RECT saved{ 100, 200, 340, 440 };
    const std::optional<RECT> stays;
    const wintest::Strings example{ "30", "D:\\Sounds\\kuku.wav", "3", "Office", "Quartz", "1" };
    const wintest::Strings emptyTexts{ "30", "", "3", "", "", "1" };
    // The example's settings with the one at index (0 interval, 1 sound, 2
    // flashes, 3 up text, 4 down text, 5 panel) changed.
    const auto exampleWith = [&](size_t field, const std::string& value) {
        wintest::Strings settings = example;
        settings[field] = value;
        return settings;
    };
    const std::string longText(3000, 'x');
    const std::string quotedLong = "\"" + longText + "\"";

    std::string binary = "[Options]\r\nkuku_type=30\r\nup_str=\"Office\"\r\n";
    binary += std::string("\x00\x01\x02\xff\xfe[Opt\x00ions]\r\n\x80\x81=\x90\r\n", 23);
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(i);
    const std::string longLines = "[Options]\r\nkuku_type=30\r\njunk=" + std::string(100000, 'j') +
                                  "\r\nkuku_sound=\"a.wav\"\r\nup_str=\"Office\"\r\ndown_str=\"" +
                                  std::string(100000, 'd') + "\"\r\n";
    // Taken modulo 2^32, these would be a chime every 30 minutes, the panel
    // on and a window 1215752531 pixels wide.
    const std::string hugeNumbers =
        "[MainWindow]\r\nsize=\"-99999999999,340,200,440\"\r\n[Options]\r\nkuku_type=4294967326\r\n"
        "kuku_flash_count=-5\r\nup_str=\"Office\"\r\ndigital_panel=4294967297\r\n";
    const std::string repeated =
        "[Options]\r\nkuku_sound=\"a.wav\"\r\nup_str=\"First\"\r\ndown_str=\"\"\r\n[MainWindow]\r\n"
        "size=\"100,340,200,440\"\r\n[Options]\r\nup_str=\"Second\"\r\n[MainWindow]\r\n"
        "size=\"0,500,0,500\"\r\n";

    const struct {
        const char* name;
        std::string file;
        std::optional<RECT> window; // none: where the template put it
        wintest::Strings settings;  // "?": not compared
        const char* message;        // null: not compared
    } cases[] = {
        { "example", ExampleWith(), saved, example, "" },
        // The size's pieces are taken apart natively; these check how the
        // file's value reaches them and what the window does with the result.
        { "blanks in the size", ExampleWith({ { "size", "\" 100 , 340 , 200 , 440 \"" } }), saved,
          example, "" },
        { "five pieces", ExampleWith({ { "size", "\"100,340,200,440,\"" } }), stays, example, "" },
        { "width 31", ExampleWith({ { "size", "\"100,131,200,440\"" } }), stays, example, "" },
        { "no size key", ExampleWith({ { "size", nullptr } }), stays, example, "" },
        { "empty size", ExampleWith({ { "size", "\"\"" } }), stays, example, kEmptySize },
        { "partly off screen is left so", ExampleWith({ { "size", "\"-100,140,-100,140\"" } }),
          RECT{ -100, -100, 140, 140 }, example, "" },
        { "beyond every monitor", ExampleWith({ { "size", "\"30000,30240,20000,20240\"" } }),
          RECT{ work.right - 240, work.bottom - 240, work.right, work.bottom }, example, "" },

        { "empty texts",
          ExampleWith({ { "kuku_sound", "\"\"" }, { "up_str", "\"\"" }, { "down_str", "\"\"" } }),
          saved, emptyTexts, "" },
        { "absent texts",
          ExampleWith(
              { { "kuku_sound", nullptr }, { "up_str", nullptr }, { "down_str", nullptr } }),
          saved, emptyTexts, kAbsentTexts },
        { "absent down_str", ExampleWith({ { "down_str", nullptr } }), saved, exampleWith(4, ""),
          "Can`t load BottomString text!\n" },
        { "blanks and quotes inside", ExampleWith({ { "up_str", "\" say \"hi\" \"" } }), saved,
          exampleWith(3, " say \"hi\" "), "" },
        { "longer than 2047", ExampleWith({ { "down_str", quotedLong.c_str() } }), saved,
          exampleWith(4, longText.substr(0, 2047)), "" },

        // Only 1 shows the panel, so the file's other values must not become 1.
        { "panel 2", ExampleWith({ { "digital_panel", "2" } }), saved, exampleWith(5, "2"), "" },

        // Damaged files load what they can.
        { "binary bytes", binary, stays, { "30", "?", "?", "Office", "?", "?" }, nullptr },
        { "byte-order mark, then binary bytes", "\xff\xfe" + binary, stays,
          wintest::Strings(6, "?"), nullptr },
        { "100 000-character lines",
          longLines,
          stays,
          { "30", "a.wav", "0", "Office", std::string(2047, 'd'), "0" },
          "" },
        { "numbers beyond 32 bits",
          hugeNumbers,
          stays,
          { "2147483647", "", "-5", "Office", "", "2147483647" },
          nullptr },
        { "repeated sections", repeated, saved, { "0", "a.wav", "0", "First", "", "0" }, "" },
        { "no sections",
          "size=\"100,340,200,440\"\r\nkuku_type=30\r\nup_str=\"Office\"\r\n",
          stays,
          { "0", "", "0", "", "", "0" },
          kAbsentTexts },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        wintest::ScratchDir dir;
        dir.Write("zentim.ini", c.file);
        const wintest::FileState before = wintest::SettingsFileState(dir);
        CZentimDlg dlg;
        dlg.SetTimeSource(&wintest::QuietTime);
        RECT window{}, untouched{};
        bool clipped = false;
        wintest::MessageBoxWatcher watcher(dlg);
        wintest::RunClock(dlg, [&] {
            GetWindowRect(dlg.m_hWnd, &window);
            untouched = wintest::CentredTemplateRect(dlg.m_hWnd);
            clipped = wintest::IsClippedToClockEllipse(dlg.m_hWnd);
        });
        EXPECT_TRUE(clipped);
        EXPECT_EQ(wintest::SettingsFileState(dir), before) << "a load wrote the file";
        EXPECT_EQ(window, c.window.value_or(untouched));
        wintest::Strings settings = wintest::SettingsOf(dlg);
        for (size_t i = 0; i < settings.size() && i < c.settings.size(); ++i)
            settings[i] = c.settings[i] == "?" ? "?" : settings[i];
        EXPECT_EQ(settings, c.settings);
        EXPECT_LE(watcher.Boxes().size(), 1u);
        for (const wintest::MessageBoxRecord& box : watcher.Boxes()) {
            EXPECT_EQ(box.caption, "Load Options");
            EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONERROR));
        }
        if (c.message != nullptr)
            EXPECT_EQ(watcher.Boxes().empty() ? "" : watcher.Boxes()[0].text, c.message);
    }
}

} // namespace

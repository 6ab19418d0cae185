// The settings file's layout over a store in memory: what a load takes from
// each kind of file and says about it, what a save writes in which order and
// says when writes fail, and that what is saved loads back unchanged.
#include "settings/ini_document.h"
#include "settings/settings_mapping.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using settings::ClockSettings;
using settings::IniDocument;
using settings::ScreenRect;

// What saving writes for a 240 x 240 window at (100, 200), a chime every 30
// minutes with three flashes, a sound, two texts and the panel on.
const char kExample[] =
    "[MainWindow]\nsize=\"100,340,200,440\"\n[Options]\nkuku_type=30\n"
    "kuku_sound=\"D:\\Sounds\\kuku.wav\"\nkuku_flash_count=3\nup_str=\"Office\"\n"
    "down_str=\"Quartz\"\ndigital_panel=1\n";
// What saving writes after it, the classic face's look and always on top.
const char kStyleKeys[] =
    "color_background=\"0,0,0\"\ncolor_arrows=\"255,255,255\"\ncolor_second_arrow=\"255,0,0\"\n"
    "color_digital_bkgrd=\"153,102,10\"\ncolor_digital_digits=\"255,102,51\"\nhour_arrow_width=5\n"
    "minute_arrow_width=3\nscale_points_width=3\nalways_on_top=1\nsmooth_face=0\nopacity=100\n"
    "click_through=0\ndate_window=0\ntime_zone=\"\"\nsecond_hand=1\n"
    "hide_fullscreen=1\n";
const ClockSettings kExampleSettings{ 30, "D:\\Sounds\\kuku.wav", 3, "Office", "Quartz", 1 };
const ScreenRect kExampleWindow{ 100, 200, 340, 440 };

// The example with the line of one key replaced, or dropped for "".
std::string ExampleWith(const std::string& key, const std::string& line)
{
    std::string file = kExample;
    const auto at = file.find("\n" + key + "=") + 1;
    return file.replace(at, file.find('\n', at) + 1 - at, line.empty() ? "" : line + "\n");
}

// Saved empty texts ("") load without a word; absent ones are reported.
// Numbers saturate at 32 bits: taken modulo 2^32 these would be a chime
// every 30 minutes and the panel on, which only 1 shows.
TEST(SettingsMapping, LoadTakesWhatTheFileHoldsAndSaysWhatIsMissing)
{
    const std::optional<ScreenRect> none;
    const char* const absentTexts =
        "Can`t load KukuSound file!\nCan`t load UpString text!\nCan`t load BottomString text!\n";
    // clang-format off
    const struct {
        std::string file; ClockSettings values; std::optional<ScreenRect> window; const char* messages;
    } cases[] = {
        { kExample, kExampleSettings, kExampleWindow, "" },
        { ExampleWith("size", "size=\"100,131,200,440\""), kExampleSettings, none, "" },
        // Off every monitor is for the window to mend.
        { ExampleWith("size", "size=\"30000,30240,20000,20240\""), kExampleSettings,
          ScreenRect{ 30000, 20000, 30240, 20240 }, "" },
        { ExampleWith("size", ""), kExampleSettings, none, "" },
        { ExampleWith("size", "size=\"\""), kExampleSettings, none, "Can`t load MainWindow size!\n" },
        { "[Options]\nkuku_sound=\"\"\nup_str=\"\"\ndown_str=\"\"\n", ClockSettings{}, none, "" },
        { ExampleWith("down_str", ""), { 30, "D:\\Sounds\\kuku.wav", 3, "Office", "", 1 },
          kExampleWindow, "Can`t load BottomString text!\n" },
        { "[Options]\nkuku_type=4294967326\nkuku_flash_count=-5\ndigital_panel=4294967297\n"
          "kuku_sound=a.wav\nup_str=x\ndown_str=y\n", { INT_MAX, "a.wav", -5, "x", "y", INT_MAX },
          none, "" },
        { "", ClockSettings{}, none, absentTexts },
    };
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i) {
        const settings::Loaded loaded = settings::Load(IniDocument(cases[i].file));
        EXPECT_EQ(loaded.values, cases[i].values) << "case " << i;
        EXPECT_EQ(loaded.window, cases[i].window) << "case " << i;
        EXPECT_EQ(loaded.messages, cases[i].messages) << "case " << i;
    }
}

// Every key in the file's order, with its section; texts quoted, numbers
// bare, the window's edges as left, right, top, bottom. A file that cannot
// be written fails every group of keys.
TEST(SettingsMapping, SaveWritesEveryKeyInTheFilesOrder)
{
    IniDocument file;
    settings::Save(file, kExampleSettings, { -1280, -30, -1040, 210 });
    std::string expected = ExampleWith("size", "size=\"-1280,-1040,-30,210\"") + kStyleKeys;
    for (auto at = expected.find('\n'); at != std::string::npos; at = expected.find('\n', at + 2))
        expected.insert(at, "\r");
    EXPECT_EQ(file.Text(), expected) << "a new file's lines end as the profile functions end them";
    EXPECT_EQ(settings::SaveFailureMessages(),
              "Can`t write MainWindow size!\nCan`t write Kuku_type!\nCan`t write Kuku_sound file!\n"
              "Can`t write Kuku_flash_count!\nCan`t write UpString text!\n"
              "Can`t write BottomString text!\nCan`t write DigitalPanel!\nCan`t write Colors!\n"
              "Can`t write Widths!\nCan`t write AlwaysOnTop!\nCan`t write SmoothFace!\n"
              "Can`t write Opacity!\nCan`t write ClickThrough!\nCan`t write DateWindow!\n"
              "Can`t write TimeZone!\nCan`t write SecondHand!\n"
              "Can`t write HideFullScreen!\nCan`t write Alarms!\n");
}

// Colours in either form, widths brought into 1..30, opacity into 20..100,
// and the classic look for whatever is not a colour or a number; hiding
// over full-screen programs stays on unless the file says 0.
TEST(SettingsMapping, LoadTakesColoursWidthsAndTheWindowsLook)
{
    const settings::Loaded loaded = settings::Load(IniDocument(
        "[Options]\ncolor_background=\"1, 2,3\"\ncolor_arrows=#0A0b0C\ncolor_second_arrow=1,2\n"
        "color_digital_bkgrd=256,0,0\ncolor_digital_digits=red\nhour_arrow_width=0\n"
        "minute_arrow_width=99\nscale_points_width=wide\nalways_on_top=0\nsmooth_face=1\n"
        "opacity=5\nclick_through=yes\nhide_fullscreen=off\n"));
    const face::FaceStyle& style = loaded.values.m_style;
    EXPECT_EQ(
        (std::vector<face::Rgb>{ style.background, style.arrows, style.secondArrow, style.panelBox,
                                 style.panelDigits }),
        (std::vector<face::Rgb>{
            { 1, 2, 3 }, { 10, 11, 12 }, { 255, 0, 0 }, { 153, 102, 10 }, { 255, 102, 51 } }));
    EXPECT_TRUE(style.widths == (face::PenWidths{ 1, 30, 3 }));
    EXPECT_FALSE(loaded.values.m_bAlwaysOnTop);
    EXPECT_TRUE(loaded.values.m_bSmoothFace);
    EXPECT_EQ(loaded.values.m_nOpacity, 20);
    EXPECT_FALSE(loaded.values.m_bClickThrough);
    EXPECT_TRUE(loaded.values.m_bHideFullScreen);
    const auto opacity = [](const char* value) {
        return settings::Load(IniDocument(std::string("[Options]\nopacity=") + value))
            .values.m_nOpacity;
    };
    EXPECT_EQ((std::vector<int>{ opacity("150"), opacity("abc"), opacity("55") }),
              (std::vector<int>{ 100, 100, 55 }));
}

// Texts the profile functions would trim or unquote; the number range's ends.
TEST(SettingsMapping, WhatIsSavedLoadsBackUnchanged)
{
    ClockSettings values{ INT_MIN, "  blanks  ", INT_MAX, "\"quoted\"", "say \"hi\"", -5 };
    values.m_style = { { 1, 2, 3 },    { 4, 5, 6 },    { 7, 8, 9 },
                       { 10, 11, 12 }, { 13, 14, 15 }, { 30, 1, 2 } };
    values.m_bAlwaysOnTop = false;
    values.m_bSmoothFace = values.m_bClickThrough = values.m_bDateWindow = true;
    values.m_bSecondHand = values.m_bHideFullScreen = false;
    values.m_strTimeZone = "Tokyo Standard Time";
    values.m_nOpacity = 37;
    values.m_alarms = { { 7, 30, false, 0x3e, "Stand-up", "", true },
                        { 23, 5, true, 0, "", "b.wav", false } };
    IniDocument store;
    settings::Save(store, values, kExampleWindow);
    const settings::Loaded loaded = settings::Load(store);
    EXPECT_EQ(loaded.values, values);
    EXPECT_EQ(loaded.window, kExampleWindow);
    EXPECT_EQ(loaded.messages, "");
}

// The alarms in their own section, read with the rest: one that cannot be
// read is left out with its line after the others', a file without the
// section has none. A save writes them after every other key and removes
// the keys of alarms deleted since; a save of the alarms alone changes no
// other line.
TEST(SettingsMapping, AlarmsKeepASectionOfTheirOwn)
{
    const std::string alarmsSection =
        "[Alarms]\nalarm1_time=07:30\nalarm1_days=mon\nalarm2_time=7:3x\n"
        "alarm3_time=21:00\nalarm3_label=\"Bed\"\nalarm3_on=0\n";
    const std::string file =
        ExampleWith("down_str", "") + alarmsSection + "\n[Extra]\n; mine\na=1\n";
    const settings::Loaded loaded = settings::Load(IniDocument(file));
    const std::vector<alarms::Alarm> read = { { 7, 30, false, 0x02, "", "", true },
                                              { 21, 0, true, 0, "Bed", "", false } };
    EXPECT_EQ(loaded.values.m_alarms, read);
    EXPECT_EQ(loaded.messages,
              "Can`t load BottomString text!\nCan`t load alarm 2: bad time \"7:3x\"\n");
    EXPECT_TRUE(settings::Load(IniDocument(kExample)).values.m_alarms.empty());

    IniDocument alone(file);
    settings::SaveAlarms(alone, { read[1] });
    EXPECT_EQ(alone.Text(),
              ExampleWith("down_str", "") +
                  "[Alarms]\nalarm1_time=21:00\nalarm1_days=once\nalarm1_label=\"Bed\"\n"
                  "alarm1_sound=\"\"\nalarm1_on=0\n\n[Extra]\n; mine\na=1\n");

    IniDocument whole;
    ClockSettings values = kExampleSettings;
    values.m_alarms = { read[0] };
    settings::Save(whole, values, kExampleWindow);
    const std::string text = whole.Text();
    EXPECT_EQ(text.substr(text.find("hide_fullscreen=1\r\n")),
              "hide_fullscreen=1\r\n[Alarms]\r\nalarm1_time=07:30\r\nalarm1_days=mon\r\n"
              "alarm1_label=\"\"\r\nalarm1_sound=\"\"\r\nalarm1_on=1\r\n");
}

} // namespace

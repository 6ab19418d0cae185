// zentim.ini on the disk, through the clock: what a save writes and says,
// what it leaves alone, a file it cannot write or read, texts in any
// script in any of the encodings a user's editor writes, and folders whose
// names the ANSI code page cannot hold.
#include "support.h"

#include "framework/text.h"
#include "settings/settings_mapping.h"
#include "settings/system_start.h"

namespace {

const char kExample[] = "[MainWindow]\r\nsize=\"100,340,200,440\"\r\n[Options]\r\nkuku_type=30\r\n"
                        "kuku_sound=\"D:\\Sounds\\kuku.wav\"\r\nkuku_flash_count=3\r\n"
                        "up_str=\"Office\"\r\ndown_str=\"Quartz\"\r\ndigital_panel=1\r\n";
// The keys that saving writes after those of the example, in its section.
const char kStyleKeys[] = "color_background=\"0,0,0\"\r\ncolor_arrows=\"255,255,255\"\r\n"
                          "color_second_arrow=\"255,0,0\"\r\ncolor_digital_bkgrd=\"153,102,10\"\r\n"
                          "color_digital_digits=\"255,102,51\"\r\nhour_arrow_width=5\r\n"
                          "minute_arrow_width=3\r\nscale_points_width=3\r\nalways_on_top=1\r\n"
                          "smooth_face=0\r\nopacity=100\r\nclick_through=0\r\n"
                          "date_window=0\r\ntime_zone=\"\"\r\nsecond_hand=1\r\n"
                          "hide_fullscreen=1\r\n";

class SettingsFile : public wintest::ClockTest {
protected:
    // Saves from inside the clock's loop once prepare() has had its say.
    void SaveFrom(const std::function<void()>& prepare)
    {
        Run([&] {
            m_clock.MoveWindow(100, 200, 240, 240);
            m_clock.ApplySettings({ 30, "D:\\Sounds\\kuku.wav", 3, "Office", "Quartz", 1 });
            prepare();
            m_clock.SaveOptions();
        });
    }
    HANDLE Lock(const std::string& name) const
    {
        return CreateFileW(Widen(Path(name)).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
};

// Minimised into the notification area the window is hidden and, on
// Windows, parked far off screen; the file must hold where the user left
// it. What the clock does not own stays in place. The confirmation shows
// the path as the program uses it; a clock started there again finds it all.
TEST_F(SettingsFile, SaveKeepsWhatItDoesNotOwnAndLoadsBack)
{
    Write("zentim.ini", "; mine\r\n[Options]\r\ncolour=blue\r\nkuku_type=5\r\n[Extra]\r\na=1\r\n");
    SaveFrom([&] { m_clock.ShowWindow(SW_MINIMIZE), m_clock.ShowWindow(SW_HIDE); });
    EXPECT_EQ(
        Read("zentim.ini"),
        std::string(
            "; mine\r\n[Options]\r\ncolour=blue\r\nkuku_type=30\r\n"
            "kuku_sound=\"D:\\Sounds\\kuku.wav\"\r\nkuku_flash_count=3\r\nup_str=\"Office\"\r\n"
            "down_str=\"Quartz\"\r\ndigital_panel=1\r\n") +
            kStyleKeys + "[Extra]\r\na=1\r\n[MainWindow]\r\nsize=\"100,340,200,440\"\r\n");
    // After the start's box for the keys the file lacked.
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].caption, "Save");
    EXPECT_EQ(m_boxes[1].type, UINT(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(m_boxes[1].text, "Preved! Options save into " + m_clock.m_strIniPath + " success.");
    EXPECT_NE(m_clock.m_strIniPath.find("\\\\zentim.ini"), std::string::npos);

    const settings::ClockSettings saved = m_clock.Settings();
    m_clock.ApplySettings({});
    Run([] {});
    EXPECT_EQ(m_clock.Settings(), saved);
    EXPECT_EQ(m_boxes.size(), 2u);
}

// Held open without sharing, the file can be neither read nor written by
// anyone else, root included.
TEST_F(SettingsFile, FileThatCannotBeWrittenListsEveryFailureAndStaysUnchanged)
{
    Write("zentim.ini", kExample);
    HANDLE lock = INVALID_HANDLE_VALUE;
    SaveFrom([&] {
        Change([](settings::ClockSettings& values) { values.m_nKukuType = 15; });
        lock = Lock("zentim.ini");
    });
    CloseHandle(lock);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].type, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(m_boxes[0].text, settings::SaveFailureMessages());
    EXPECT_EQ(Read("zentim.ini"), kExample);
}

// Held by another program when the clock starts: no word of missing keys,
// tries for a few seconds, then one line saying why; a save meanwhile
// writes nothing and says so; once the file is free its settings appear.
TEST_F(SettingsFile, FileHeldAtStartIsLoadedOnceFreeAndNeverSavedOver)
{
    Write("zentim.ini", kExample);
    HANDLE lock = Lock("zentim.ini");
    Run([&] {
        EXPECT_TRUE(wintest::PumpUntil([&] { return !m_boxes.empty(); }, 6000));
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].text.rfind("Can`t read " + m_clock.m_strIniPath + ": ", 0), 0u)
            << m_boxes[0].text;
        EXPECT_EQ(std::count(m_boxes[0].text.begin(), m_boxes[0].text.end(), '\n'), 1);
        CloseHandle(lock);
        Write("zentim.ini", "[Options]\r\nkuku_type=30\r\n");
        lock = Lock("zentim.ini");
        m_clock.SaveOptions();
        ASSERT_EQ(m_boxes.size(), 2u);
        EXPECT_EQ(m_boxes[1].text.rfind("Can`t save: ", 0), 0u) << m_boxes[1].text;
        CloseHandle(lock);
        EXPECT_TRUE(wintest::PumpUntil([&] { return m_clock.Settings().m_nKukuType == 30; }));
    });
    EXPECT_EQ(Read("zentim.ini"), "[Options]\r\nkuku_type=30\r\n");
    ASSERT_EQ(m_boxes.size(), 3u);
    EXPECT_EQ(m_boxes[2].text, "Can`t load KukuSound file!\nCan`t load UpString text!\n"
                               "Can`t load BottomString text!\n");
}

// UTF-16 LE with its mark, or UTF-8 with or without one, as editors write
// them: the texts load as written and a save keeps the file's form and its
// other lines. A file in the ANSI code page stays in it while it can hold
// the texts, and becomes UTF-16 LE when it cannot.
TEST_F(SettingsFile, TextsInAnyScriptLoadAndSaveInAnEncodingThatHoldsThem)
{
    const std::string up = u8"Zoë Grüße €", down = u8"時計 Часы";
    const std::string lines = "; mine\r\n[Options]\r\nup_str=\"" + up + "\"\r\ndown_str=\"" + down +
                              "\"\r\nkuku_sound=\"\"\r\n";
    const auto utf16 = [](const std::string& text) {
        const std::wstring wide = Widen(text);
        return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()),
                                        wide.size() * sizeof(wchar_t));
    };
    for (const std::string& file : { lines, "\xEF\xBB\xBF" + lines, utf16(lines) }) {
        Write("zentim.ini", file);
        Run([&] {
            EXPECT_EQ(m_clock.Settings().m_strUpStr, up);
            EXPECT_EQ(m_clock.Settings().m_strDownStr, down);
            m_clock.SaveOptions();
        });
        const std::string saved = Read("zentim.ini");
        EXPECT_EQ(saved.substr(0, 2), file.substr(0, 2)) << "the file's form";
        EXPECT_EQ(saved.find(file.substr(0, 12)), 0u) << "the lines before the keys";
    }
    // "Zoë Grüße €" in code page 1252, Wine's on a Western system.
    const std::string ansi = "[Options]\r\nup_str=\"Zo\xEB Gr\xFC\xDF"
                             "e \x80\"\r\n";
    Write("zentim.ini", ansi);
    Run([&] {
        EXPECT_EQ(m_clock.Settings().m_strUpStr, up);
        m_clock.SaveOptions();
    });
    EXPECT_EQ(Read("zentim.ini").find(ansi), 0u) << "an ANSI file stays ANSI";
    Run([&] {
        Change([&](settings::ClockSettings& values) { values.m_strDownStr = down; });
        m_clock.SaveOptions();
    });
    const std::string widened = Read("zentim.ini");
    EXPECT_EQ(widened.find(utf16("[Options]\r\nup_str=\"" + up + "\"\r\n")), 0u);
    EXPECT_NE(widened.find(utf16("down_str=\"" + down + "\"").substr(2)), std::string::npos);
}

// Started on a folder by its name, as the start with the system does, or
// in it: the clock reads and writes that folder's zentim.ini, and the Run
// value names it.
TEST_F(SettingsFile, FoldersOutsideTheAnsiCodePageWork)
{
    for (const std::string folder : { u8"時計", u8"Часы" }) {
        CreateDirectoryW(Widen(Path(folder)).c_str(), nullptr);
        for (const bool asArgument : { true, false }) {
            Write(folder + "\\zentim.ini", "[Options]\r\nup_str=\"" + folder + "\"\r\n");
            m_clock.m_strSettingsFolder = asArgument ? Path(folder) : "";
            if (!asArgument)
                SetCurrentDirectoryW(Widen(Path(folder)).c_str());
            m_boxes.clear();
            Run([&] {
                EXPECT_EQ(m_clock.Settings().m_strUpStr, folder);
                m_clock.SaveOptions();
            });
            SetCurrentDirectoryW(Widen(Path("")).c_str());
            EXPECT_EQ(m_clock.m_strSettingsFolder, Path(folder));
            ASSERT_EQ(m_boxes.size(), 2u);
            EXPECT_EQ(m_boxes[1].type, UINT(MB_OK | MB_ICONINFORMATION));
            EXPECT_NE(Read(folder + "\\zentim.ini").find("kuku_type=0"), std::string::npos);
        }
        ASSERT_TRUE(settings::SetStartedWithSystem(true, Path(folder)));
        EXPECT_NE(wintest::RunValue(Path(folder)).find("\"" + Path(folder) + "\""),
                  std::string::npos);
        settings::SetStartedWithSystem(false, Path(folder));
    }
}

} // namespace

// Saving zentim.ini: the file a save writes, what it leaves alone, how it
// reports, and that what it writes loads back unchanged.
#include "clock_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Saved {
    std::vector<wintest::MessageBoxRecord> boxes;
    std::string iniPath;
};

// Runs the clock in dir, lets prepare() set it up, then saves from inside its
// modal loop and records the message box.
Saved SaveFrom(const wintest::ScratchDir&, const std::function<void(CZentimDlg&)>& prepare)
{
    CZentimDlg dlg;
    dlg.SetTimeSource(&wintest::QuietTime);
    wintest::MessageBoxWatcher watcher(dlg);
    wintest::RunClock(dlg, [&] {
        prepare(dlg);
        dlg.SaveOptions();
    });
    return { watcher.Boxes(), dlg.m_strIniPath };
}

void SetExampleSettings(CZentimDlg& dlg)
{
    dlg.MoveWindow(100, 200, 240, 240);
    dlg.m_nKukuType = 30;
    dlg.m_strKukuSound = "D:\\Sounds\\kuku.wav";
    dlg.m_nKukuFlashCount = 3;
    dlg.m_strUpStr = "Office";
    dlg.m_strDownStr = "Quartz";
    dlg.m_nDigitalPanel = 1;
}

constexpr char kExampleFile[] = "[MainWindow]\r\n"
                                "size=\"100,340,200,440\"\r\n"
                                "[Options]\r\n"
                                "kuku_type=30\r\n"
                                "kuku_sound=\"D:\\Sounds\\kuku.wav\"\r\n"
                                "kuku_flash_count=3\r\n"
                                "up_str=\"Office\"\r\n"
                                "down_str=\"Quartz\"\r\n"
                                "digital_panel=1\r\n";

TEST(SaveOptions, IntoAnEmptyFolderWritesTheWholeFileAndConfirms)
{
    wintest::ScratchDir dir;
    const Saved saved = SaveFrom(dir, &SetExampleSettings);

    std::string file;
    ASSERT_TRUE(dir.Read("zentim.ini", &file));
    EXPECT_EQ(file, kExampleFile);
    ASSERT_EQ(saved.boxes.size(), 1u);
    EXPECT_EQ(saved.boxes[0].caption, "Save");
    EXPECT_EQ(saved.boxes[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(saved.boxes[0].text, "Preved! Options save into " + saved.iniPath + " success.");
    // The path is shown as the program uses it, backslashes doubled.
    EXPECT_NE(saved.iniPath.find("\\\\zentim.ini"), std::string::npos);
}

TEST(SaveOptions, KeepsWhatItDoesNotOwnInPlace)
{
    wintest::ScratchDir dir;
    dir.Write("zentim.ini", "; my clock\r\n"
                            "[Options]\r\n"
                            "colour=blue\r\n"
                            "kuku_type=5\r\n"
                            "[Extra]\r\n"
                            "a=1\r\n");
    SaveFrom(dir, [](CZentimDlg& dlg) {
        SetExampleSettings(dlg);
        dlg.m_strUpStr = "";
    });

    std::string file;
    ASSERT_TRUE(dir.Read("zentim.ini", &file));
    EXPECT_EQ(file, "; my clock\r\n"
                    "[Options]\r\n"
                    "colour=blue\r\n"
                    "kuku_type=30\r\n"
                    "kuku_sound=\"D:\\Sounds\\kuku.wav\"\r\n"
                    "kuku_flash_count=3\r\n"
                    "up_str=\"\"\r\n"
                    "down_str=\"Quartz\"\r\n"
                    "digital_panel=1\r\n"
                    "[Extra]\r\n"
                    "a=1\r\n"
                    "[MainWindow]\r\n"
                    "size=\"100,340,200,440\"\r\n");
}

TEST(SaveOptions, FileThatCannotBeWrittenListsEveryFailureAndStaysUnchanged)
{
    wintest::ScratchDir dir;
    dir.Write("zentim.ini", kExampleFile);
    const wintest::FileState before = wintest::SettingsFileState(dir);
    HANDLE lock = INVALID_HANDLE_VALUE;
    const Saved saved = SaveFrom(dir, [&](CZentimDlg& dlg) {
        dlg.m_nKukuType = 15;
        // Held open without sharing, the file can be neither read nor
        // written by anyone else, root included.
        lock = CreateFileA(dir.File("zentim.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    });
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    CloseHandle(lock);

    ASSERT_EQ(saved.boxes.size(), 1u);
    EXPECT_EQ(saved.boxes[0].caption, "Save");
    EXPECT_EQ(saved.boxes[0].icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(saved.boxes[0].text, "Can`t write MainWindow size!\n"
                                   "Can`t write Kuku_type!\n"
                                   "Can`t write Kuku_sound file!\n"
                                   "Can`t write Kuku_flash_count!\n"
                                   "Can`t write UpString text!\n"
                                   "Can`t write BottomString text!\n"
                                   "Can`t write DigitalPanel!\n");
    EXPECT_EQ(wintest::SettingsFileState(dir), before);
}

TEST(SaveOptions, WhatIsSavedLoadsBackUnchanged)
{
    struct Case {
        const char* text;
        int number;
    };
    const Case cases[] = {
        { "  blanks around  ", -5 },
        { "say \"hi\" twice", -2147483647 - 1 },
        { "\"quoted\"", 2147483647 },
        { "", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        wintest::ScratchDir dir;
        SaveFrom(dir, [&](CZentimDlg& dlg) {
            dlg.m_strUpStr = c.text;
            dlg.m_strDownStr = c.text;
            dlg.m_strKukuSound = c.text;
            dlg.m_nKukuType = c.number;
            dlg.m_nKukuFlashCount = c.number;
            dlg.m_nDigitalPanel = c.number;
        });

        CZentimDlg loaded;
        loaded.SetTimeSource(&wintest::QuietTime);
        wintest::MessageBoxWatcher watcher(loaded);
        wintest::RunClock(loaded, [] {});
        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_EQ(loaded.m_strUpStr, c.text);
        EXPECT_EQ(loaded.m_strDownStr, c.text);
        EXPECT_EQ(loaded.m_strKukuSound, c.text);
        EXPECT_EQ(loaded.m_nKukuType, c.number);
        EXPECT_EQ(loaded.m_nKukuFlashCount, c.number);
        EXPECT_EQ(loaded.m_nDigitalPanel, c.number);
    }
}

// Minimised into the notification area the window is hidden and, on
// Windows, parked far off screen; the next start must find it where the
// user left it.
TEST(SaveOptions, WhileHiddenStoresTheNormalRectangle)
{
    wintest::ScratchDir dir;
    SaveFrom(dir, [](CZentimDlg& dlg) {
        dlg.MoveWindow(120, 130, 200, 210);
        dlg.ShowWindow(SW_MINIMIZE);
        dlg.ShowWindow(SW_HIDE);
    });

    char size[64];
    GetPrivateProfileStringA("MainWindow", "size", "", size, sizeof size,
                             dir.File("zentim.ini").c_str());
    EXPECT_STREQ(size, "120,320,130,340");
}

} // namespace

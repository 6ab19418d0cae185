// Saving zentim.ini: the file a save writes, what it leaves alone, how it
// reports, and that what it writes loads back unchanged.
#include "clock_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Saved {
    std::vector<wintest::MessageBoxRecord> boxes;
    std::string iniPath;
};

// Runs the clock in the current folder, lets prepare() set it up, then
// saves from inside its modal loop and records the message box.
Saved SaveFrom(const std::function<void(CZentimDlg&)>& prepare)
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

std::string ExampleFile()
{
    std::string file;
    for (const char* line : wintest::kExampleLines)
        file = file + line + "\r\n";
    return file;
}

// Minimised into the notification area the window is hidden and, on
// Windows, parked far off screen; the file must hold where the user left it.
TEST(SaveOptions, IntoAnEmptyFolderWritesTheWholeFileAndConfirms)
{
    wintest::ScratchDir dir;
    const Saved saved = SaveFrom([](CZentimDlg& dlg) {
        SetExampleSettings(dlg);
        dlg.ShowWindow(SW_MINIMIZE);
        dlg.ShowWindow(SW_HIDE);
    });

    std::string file;
    ASSERT_TRUE(dir.Read("zentim.ini", &file));
    EXPECT_EQ(file, ExampleFile());
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
    dir.Write("zentim.ini",
              "; my clock\r\n[Options]\r\ncolour=blue\r\nkuku_type=5\r\n[Extra]\r\na=1\r\n");
    SaveFrom([](CZentimDlg& dlg) {
        SetExampleSettings(dlg);
        dlg.m_strUpStr = "";
    });

    std::string file;
    ASSERT_TRUE(dir.Read("zentim.ini", &file));
    EXPECT_EQ(file, "; my clock\r\n[Options]\r\ncolour=blue\r\nkuku_type=30\r\n"
                    "kuku_sound=\"D:\\Sounds\\kuku.wav\"\r\nkuku_flash_count=3\r\nup_str=\"\"\r\n"
                    "down_str=\"Quartz\"\r\ndigital_panel=1\r\n[Extra]\r\na=1\r\n[MainWindow]\r\n"
                    "size=\"100,340,200,440\"\r\n");
}

TEST(SaveOptions, FileThatCannotBeWrittenListsEveryFailureAndStaysUnchanged)
{
    wintest::ScratchDir dir;
    dir.Write("zentim.ini", ExampleFile());
    const wintest::FileState before = wintest::SettingsFileState(dir);
    HANDLE lock = INVALID_HANDLE_VALUE;
    const Saved saved = SaveFrom([&](CZentimDlg& dlg) {
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
    EXPECT_EQ(saved.boxes[0].text,
              "Can`t write MainWindow size!\nCan`t write Kuku_type!\nCan`t write Kuku_sound file!\n"
              "Can`t write Kuku_flash_count!\nCan`t write UpString text!\n"
              "Can`t write BottomString text!\nCan`t write DigitalPanel!\n");
    EXPECT_EQ(wintest::SettingsFileState(dir), before);
}

// Texts the profile functions would trim or unquote, and the ends of the
// number range.
TEST(SaveOptions, WhatIsSavedLoadsBackUnchanged)
{
    const wintest::Strings cases[] = {
        { "-2147483648", "  blanks around  ", "2147483647", "\"quoted\"", "say \"hi\"", "-5" },
        { "0", "", "0", "", "", "0" },
    };
    for (const wintest::Strings& c : cases) {
        SCOPED_TRACE(c[1]);
        wintest::ScratchDir dir;
        SaveFrom([&](CZentimDlg& dlg) {
            dlg.m_nKukuType = std::stoi(c[0]);
            dlg.m_strKukuSound = c[1];
            dlg.m_nKukuFlashCount = std::stoi(c[2]);
            dlg.m_strUpStr = c[3];
            dlg.m_strDownStr = c[4];
            dlg.m_nDigitalPanel = std::stoi(c[5]);
        });

        CZentimDlg loaded;
        loaded.SetTimeSource(&wintest::QuietTime);
        wintest::MessageBoxWatcher watcher(loaded);
        wintest::RunClock(loaded, [] {});
        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_EQ(wintest::SettingsOf(loaded), c);
    }
}

} // namespace

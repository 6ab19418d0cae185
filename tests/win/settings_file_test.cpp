// zentim.ini through the system's profile functions: what a save from the
// clock writes and says, what it leaves alone, a file it cannot write, and
// how values read back.
#include "support.h"

#include "res/resource.h"
#include "settings/profile_store.h"

namespace {

const char kExample[] = "[MainWindow]\r\nsize=\"100,340,200,440\"\r\n[Options]\r\nkuku_type=30\r\n"
                        "kuku_sound=\"D:\\Sounds\\kuku.wav\"\r\nkuku_flash_count=3\r\n"
                        "up_str=\"Office\"\r\ndown_str=\"Quartz\"\r\ndigital_panel=1\r\n";
// The keys that saving writes after those of the example, in its section.
const char kStyleKeys[] = "color_background=\"0,0,0\"\r\ncolor_arrows=\"255,255,255\"\r\n"
                          "color_second_arrow=\"255,0,0\"\r\ncolor_digital_bkgrd=\"153,102,10\"\r\n"
                          "color_digital_digits=\"255,102,51\"\r\nhour_arrow_width=5\r\n"
                          "minute_arrow_width=3\r\nscale_points_width=3\r\nalways_on_top=1\r\n";

class ProfileStore : public wintest::ClockTest {
protected:
    // Saves from inside the clock's loop once prepare() has had its say.
    void SaveFrom(const std::function<void()>& prepare)
    {
        Run([&] {
            m_clock.MoveWindow(100, 200, 240, 240);
            m_clock.m_settings = { 30, "D:\\Sounds\\kuku.wav", 3, "Office", "Quartz", 1 };
            prepare();
            m_clock.SaveOptions();
        });
    }
};

// Minimised into the notification area the window is hidden and, on
// Windows, parked far off screen; the file must hold where the user left
// it. What the clock does not own stays in place. The confirmation shows
// the path as the program uses it; a clock started there again finds it all.
TEST_F(ProfileStore, SaveKeepsWhatItDoesNotOwnAndLoadsBack)
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

    const settings::ClockSettings saved = m_clock.m_settings;
    m_clock.m_settings = {};
    // The same clock object runs again without its first paint; load as it.
    Run([&] { m_clock.SendMessage(WM_COMMAND, ID_MENU_LOAD_OPTIONS, 0); });
    EXPECT_EQ(m_clock.m_settings, saved);
    EXPECT_EQ(m_boxes.size(), 2u);
}

// Held open without sharing, the file can be neither read nor written by
// anyone else, root included.
TEST_F(ProfileStore, FileThatCannotBeWrittenListsEveryFailureAndStaysUnchanged)
{
    Write("zentim.ini", kExample);
    HANDLE lock = INVALID_HANDLE_VALUE;
    SaveFrom([&] {
        m_clock.m_settings.m_nKukuType = 15;
        lock = CreateFileA(Path("zentim.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    });
    CloseHandle(lock);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].type, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(std::count(m_boxes[0].text.begin(), m_boxes[0].text.end(), '\n'), 10);
    EXPECT_EQ(Read("zentim.ini"), kExample);
}

// What the mapping relies on: absent and empty told apart, the blanks and
// quotes around a value taken off, long values cut to the read buffer.
TEST_F(ProfileStore, ReadsAsTheMappingExpects)
{
    Write("zentim.ini", "[Options]\r\nempty=\"\"\r\nquoted = \" a \"b\" \" \r\nlong=" +
                            std::string(3000, 'x') + "\r\n");
    const settings::ProfileStore store(Path("zentim.ini"));
    EXPECT_EQ(store.Read("Options", "absent"), std::nullopt);
    EXPECT_EQ(store.Read("Options", "empty"), "");
    EXPECT_EQ(store.Read("Options", "quoted"), " a \"b\" ");
    EXPECT_EQ(store.Read("Options", "long"), std::string(2047, 'x'));
}

} // namespace

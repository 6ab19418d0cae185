// A thousand malformed zentim.ini files from a seeded generator, loaded one
// after another into one running clock window: no load may crash, hang,
// show more than one message box, say anything but the load messages, or
// touch the file.
#include "clock_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <random>

namespace {

constexpr int kFiles = 1000;
constexpr std::uint32_t kSeed = 7;
// Far beyond what a load takes (milliseconds), far below the script's limit.
constexpr DWORD kLoadLimitMs = 30000;

// Makes files that hold some of what a settings file holds and much that it
// should not: bytes of every value, NULs, CR without LF, lines up to
// 100 000 characters, numbers beyond 32 bits, huge and negative sizes,
// repeated, absent and broken sections, broken quotes, byte-order marks.
class MalformedIni {
public:
    explicit MalformedIni(std::uint32_t seed) : m_rng(seed) {}

    std::string Next()
    {
        const unsigned kind = Pick(100);
        if (kind < 3)
            return std::string();
        if (kind < 6)
            return Bytes(Pick(4096));
        std::string file;
        const char* const boms[] = { "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF" };
        if (Chance(8))
            file += boms[Pick(3)];
        if (kind < 55)
            return file + DamagedExample();
        for (unsigned lines = Pick(40); lines > 0; --lines)
            file += Line() + LineEnd();
        return file;
    }

private:
    unsigned Pick(unsigned n) { return static_cast<unsigned>(m_rng() % n); }
    bool Chance(unsigned percent) { return Pick(100) < percent; }
    template <size_t N>
    const char* OneOf(const char* const (&choices)[N])
    {
        return choices[Pick(N)];
    }

    std::string Bytes(unsigned n)
    {
        std::string bytes(n, '\0');
        for (char& c : bytes)
            c = static_cast<char>(Pick(256));
        return bytes;
    }

    std::string LineEnd()
    {
        static const char* const ends[] = {
            "\r\n", "\r\n", "\r\n", "\n", "\r", "", "\n\r", "\r\r\n"
        };
        return OneOf(ends);
    }

    // The file that saving writes, line by line kept, dropped, doubled,
    // given another value or followed by a stray line: most keys stay, so
    // the window moves and the texts load.
    std::string DamagedExample()
    {
        std::string file;
        for (const std::string line : wintest::kExampleLines) {
            const unsigned fate = Pick(10);
            if (fate == 0)
                continue;
            std::string kept = line;
            if (fate <= 3 && line.find('=') != std::string::npos)
                kept = line.substr(0, line.find('=') + 1) +
                       (line[0] == 's' ? "\"" + SizeText() + "\"" : Value());
            file += kept + LineEnd();
            if (fate == 4)
                file += kept + LineEnd();
            if (fate == 5)
                file += Line() + LineEnd();
        }
        return file;
    }

    std::string Line()
    {
        switch (Pick(10)) {
        case 0:
        case 1:
            return Section();
        case 2:
        case 3:
        case 4:
        case 5:
            return Key() + OneOf({ "=", "=", "=", " = ", "==", "" }) + Value();
        case 6:
            return Bytes(Pick(80));
        case 7:
            return OneOf({ ";", "#", "", " ", "\t", "=", "[", "]" }) + Text();
        case 8:
            return std::string(1 + Pick(100000), static_cast<char>(Pick(256)));
        default:
            return Value();
        }
    }

    std::string Section()
    {
        const std::string name = Chance(5)
                                     ? std::string("Opt\0ions", 8)
                                     : OneOf({ "MainWindow", "Options", "options", "MAINWINDOW",
                                               " Options ", "", "Main Window", "Options]" });
        switch (Pick(6)) {
        case 0:
            return "[" + name;
        case 1:
            return name + "]";
        case 2:
            return "[[" + name + "]]";
        case 3:
            return " [" + name + "] " + Text();
        default:
            return "[" + name + "]";
        }
    }

    std::string Key()
    {
        if (Chance(10))
            return Text();
        if (Chance(3))
            return std::string("size\0x", 6);
        return OneOf({ "size", "kuku_type", "kuku_sound", "kuku_flash_count", "up_str", "down_str",
                       "digital_panel", "SIZE", " up_str ", "down_str\t" });
    }

    std::string Number()
    {
        switch (Pick(4)) {
        case 0:
            return std::to_string(static_cast<int>(m_rng()));
        case 1:
            return (Chance(50) ? "-" : "") +
                   std::to_string(static_cast<unsigned long long>(m_rng()) << 32 | m_rng());
        case 2:
            return std::to_string(Pick(2000)) + OneOf({ "", " ", "x", ".5", "e9", "\t" });
        default:
            return OneOf({ "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967296",
                           "4294967297", "99999999999999999999999999", "-0", "+5", "--5",
                           "0x7fffffff", "0007", " ", "", "-", "1,2" });
        }
    }

    std::string SizeText()
    {
        std::string text;
        const unsigned pieces = Chance(70) ? 4 : Pick(8);
        for (unsigned i = 0; i < pieces; ++i)
            text += (i > 0 ? OneOf({ ",", ",", ", ", " ,", ",," }) : "") + Number();
        return text;
    }

    std::string Text()
    {
        switch (Pick(6)) {
        case 0:
            return Bytes(Pick(200));
        case 1:
            return std::string(Pick(100001), OneOf({ "x", "\"", "\\", ",", "\r" })[0]);
        default:
            return OneOf({ "Office", "D:\\Sounds\\kuku.wav", "", " ", "a\"b", "\"", "''",
                           "\\\\?\\x", "%s%n%x", "\xE4\xF6\xFC" });
        }
    }

    std::string Value()
    {
        const std::string body = Chance(40) ? Number() : Chance(50) ? SizeText() : Text();
        switch (Pick(7)) {
        case 0:
            return "\"" + body;
        case 1:
            return body + "\"";
        case 2:
            return "\"\"" + body + "\"\"";
        case 3:
            return "'" + body + "'";
        case 4:
        case 5:
            return "\"" + body + "\"";
        default:
            return body;
        }
    }

    std::mt19937 m_rng;
};

// Ends the process when one load does not return within kLoadLimitMs,
// naming the file: a hang would otherwise stall the run until the script's
// timeout without saying which file did it. A fault inside the load ends up
// here too: the loads run from a timer callback, and the message dispatch
// swallows faults there, leaving the clock's modal loop running.
class Watchdog {
public:
    Watchdog()
        : m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          m_thread(CreateThread(nullptr, 0, &Watch, this, 0, nullptr))
    {
    }
    ~Watchdog()
    {
        SetEvent(m_stop);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        CloseHandle(m_stop);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void Arm(int file)
    {
        m_since = GetTickCount();
        m_file = file;
    }
    void Disarm() { m_file = -1; }

private:
    static DWORD WINAPI Watch(void* param)
    {
        Watchdog& self = *static_cast<Watchdog*>(param);
        while (WaitForSingleObject(self.m_stop, 200) == WAIT_TIMEOUT) {
            const int file = self.m_file;
            if (file >= 0 && GetTickCount() - self.m_since > kLoadLimitMs) {
                std::fprintf(stderr, "Loading malformed file %d (seed %u) did not return\n", file,
                             static_cast<unsigned>(kSeed));
                std::fflush(stderr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
        return 0;
    }

    HANDLE m_stop;
    HANDLE m_thread;
    std::atomic<DWORD> m_since{ 0 };
    std::atomic<int> m_file{ -1 };
};

// The load's text: some of its four messages, in their order, each ending
// in a line feed.
bool IsLoadMessage(const std::string& text)
{
    static const std::string lines[] = { "Can`t load MainWindow size!\n",
                                         "Can`t load KukuSound file!\n",
                                         "Can`t load UpString text!\n",
                                         "Can`t load BottomString text!\n" };
    std::string::size_type at = 0;
    for (const std::string& line : lines) {
        if (text.compare(at, line.size(), line) == 0)
            at += line.size();
    }
    return at > 0 && at == text.size();
}

TEST(MalformedSettings, ThousandFilesLoadSafely)
{
    wintest::ScratchDir dir;
    CZentimDlg dlg;
    // The files hold any chime settings; this test is about loading them.
    dlg.SetTimeSource(&wintest::QuietTime);
    wintest::MessageBoxWatcher watcher(dlg);
    Watchdog watchdog;
    MalformedIni files(kSeed);
    int loaded = 0, moved = 0;
    wintest::RunClock(dlg, [&] {
        // The first paint's own load finds no file; wait for it, so that
        // every box seen below belongs to one of these loads.
        ASSERT_TRUE(wintest::PumpUntil([&] { return dlg.m_rcWindow.right != 0; }));
        for (int i = 0; i < kFiles && !testing::Test::HasFailure(); ++i) {
            SCOPED_TRACE(testing::Message() << "file " << i << " of seed " << kSeed);
            dir.Write("zentim.ini", files.Next());
            const wintest::FileState before = wintest::SettingsFileState(dir);
            const size_t boxesBefore = watcher.Boxes().size();
            RECT placeBefore;
            GetWindowRect(dlg.m_hWnd, &placeBefore);
            watchdog.Arm(i);
            dlg.LoadOptions();
            watchdog.Disarm();
            ASSERT_TRUE(IsWindow(dlg.m_hWnd));
            RECT placeAfter;
            GetWindowRect(dlg.m_hWnd, &placeAfter);
            EXPECT_EQ(wintest::SettingsFileState(dir), before) << "a load wrote the file";
            ASSERT_LE(watcher.Boxes().size(), boxesBefore + 1);
            if (watcher.Boxes().size() > boxesBefore) {
                EXPECT_EQ(watcher.Boxes().back().caption, "Load Options");
                EXPECT_TRUE(IsLoadMessage(watcher.Boxes().back().text))
                    << watcher.Boxes().back().text;
            }
            moved += !(placeAfter == placeBefore);
            ++loaded;
        }
    });
    EXPECT_EQ(loaded, kFiles);
    // How much of the loading the files reached.
    RecordProperty("message_boxes", static_cast<int>(watcher.Boxes().size()));
    RecordProperty("window_moves", moved);
}

} // namespace

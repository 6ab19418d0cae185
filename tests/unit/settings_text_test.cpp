// Text forms and rectangle rules of the settings file: the path rule, the
// start command, the splitter, the saved rectangle's pieces, which
// rectangles may be applied and how one is brought onto a monitor. (The
// numbers are the fuzz target's to check against atoi.)
#include "options/folder_above.h"
#include "settings/settings_text.h"
#include "settings/start_command.h"
#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Pieces = std::vector<std::string>;
using settings::ScreenRect;

TEST(SettingsText, PathDoublesEveryBackslash)
{
    EXPECT_EQ(settings::BuildIniPath(settings::BuildIniDir(R"(D:\Apps\Clock)")),
              R"(D:\\Apps\\Clock\\zentim.ini)");
    // A drive root keeps its own separator: four backslashes in a row.
    EXPECT_EQ(settings::BuildIniDir(R"(C:\)"), R"(C:\\\\)");
}

// The command the system starts the clock with gives back the program and
// its settings folder, blanks and a drive root's backslash included.
TEST(SettingsText, StartCommandAndItsArguments)
{
    const std::string command = settings::StartCommand(R"(C:\Program Files\z.exe)", R"(D:\)");
    EXPECT_EQ(command, R"("C:\Program Files\z.exe" "D:\")");
    EXPECT_EQ(settings::FirstArgument(command), R"(C:\Program Files\z.exe)");
    EXPECT_EQ(settings::FirstArgument(settings::AfterProgramName(command)), R"(D:\)");
    EXPECT_EQ(settings::FirstArgument(R"(  D:\Clock more)"), R"(D:\Clock)");
    EXPECT_EQ(settings::FirstArgument(" "), "");
    // clang-format off
    const std::pair<const char*, const char*> lines[] = {
        { R"(C:\z.exe "D:\時計")", R"("D:\時計")" }, { R"("C:\a b\z.exe"D:\x)", R"(D:\x)" },
        { "z.exe", "" }, { R"("C:\z.exe)", "" }, { "", "" } };
    // clang-format on
    for (const auto& [line, arguments] : lines)
        EXPECT_EQ(settings::AfterProgramName(line), arguments) << line;
}

// The program's own folder keeps the value a single clock always had; any
// other folder has one of its own.
TEST(SettingsText, RunValueNameForAFolder)
{
    const char* program = R"(C:\Apps\Zentim\zentim.exe)";
    // clang-format off
    const std::pair<const char*, const char*> folders[] = {
        { R"(C:\Apps\Zentim)", "Zentim" }, { R"(c:\apps\zentim\)", "Zentim" },
        { R"(D:\Clocks\Tokyo)", R"(Zentim (D:\Clocks\Tokyo))" },
        { R"(C:\Apps)", R"(Zentim (C:\Apps))" },
    };
    // clang-format on
    for (const auto& [folder, name] : folders)
        EXPECT_EQ(settings::RunValueName(folder, program), name) << folder;
}

// The sound's file dialog opens beside the documents folder.
TEST(SettingsText, FolderAbove)
{
    EXPECT_EQ(FolderAbove(R"(C:\users\me\Documents\)"), R"(C:\users\me)");
    EXPECT_EQ(FolderAbove(R"(C:\Documents)"), "C:");
    EXPECT_EQ(FolderAbove(""), "");
}

// Empty pieces count; the search resumes after each occurrence, so none
// overlap; the pieces go after what the array held.
TEST(SettingsText, SplitKeepsEveryPiece)
{
    // clang-format off
    const struct { const char* text; const char* separator; Pieces pieces; } cases[] = {
        { "100,340,200,440,", ",", { "100", "340", "200", "440", "" } },
        { ",1,,2", ",", { "", "1", "", "2" } }, { "", ",", { "" } },
        { "a::b:c", "::", { "a", "b:c" } }, { "aaaa", "aa", { "", "", "" } }, { "ab", "abc", { "ab" } },
    };
    // clang-format on
    for (const auto& c : cases) {
        Pieces pieces{ "held" };
        EXPECT_EQ(settings::SplitString(pieces, c.text, c.separator), 1 + int(c.pieces.size()));
        EXPECT_EQ(Pieces(pieces.begin() + 1, pieces.end()), c.pieces) << c.text;
    }
}

TEST(SettingsText, SizeTextNeedsExactlyFourPieces)
{
    const std::optional<settings::SizeRect> rect = settings::ParseSizeText("300, 100,-5,x");
    ASSERT_TRUE(rect.has_value());
    EXPECT_EQ((std::vector<int>{ rect->left, rect->right, rect->top, rect->bottom }),
              (std::vector<int>{ 300, 100, -5, 0 }));
    for (const char* text : { "1,2,3,4,", "1,2,3", "", "1;2;3;4" })
        EXPECT_FALSE(settings::ParseSizeText(text).has_value()) << text;
}

// At least 32 pixels each way, within the system's window coordinates, and
// no width that 32 bits would wrap round.
TEST(WindowPlacement, UsableRectangles)
{
    // clang-format off
    const std::pair<ScreenRect, bool> cases[] = {
        { { 0, 0, 32, 32 }, true }, { { 0, 0, 31, 32 }, false }, { { 0, 0, 32, 31 }, false },
        { { -500, -400, -468, -368 }, true }, { { 100, 200, 200, 100 }, false },
        { { -32768, -32768, 32767, 32767 }, true }, { { -40000, 100, 1000, 400 }, false },
        { { 0, 0, 32768, 100 }, false }, { { INT_MAX, 0, INT_MIN + 40LL, 100 }, false } };
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(settings::IsUsableWindowRect(cases[i].first), cases[i].second) << "case " << i;
}

// Size kept; as far inside the area as it fits, else its top-left corner.
TEST(WindowPlacement, MoveInside)
{
    const ScreenRect work{ 0, 0, 1024, 768 }, left{ -1280, 0, 0, 1024 };
    // clang-format off
    const struct { ScreenRect rect, area, moved; } cases[] = {
        { { 10, 20, 110, 120 }, work, { 10, 20, 110, 120 } },
        { { -500, -300, -400, -200 }, work, { 0, 0, 100, 100 } },
        { { 1000, 700, 1100, 800 }, work, { 924, 668, 1024, 768 } },
        { { -50, -50, 1950, 1950 }, work, { 0, 0, 2000, 2000 } },
        { { 100, 100, 200, 200 }, left, { -100, 100, 0, 200 } } };
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(settings::MoveInside(cases[i].rect, cases[i].area), cases[i].moved)
            << "case " << i;
}

} // namespace

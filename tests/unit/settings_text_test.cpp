// Text forms of the settings file: the path rule, the splitter, the number
// conversion and the saved rectangle's pieces.
#include "settings/settings_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Pieces = std::vector<std::string>;

TEST(SettingsText, PathDoublesEveryBackslash)
{
    EXPECT_EQ(settings::BuildIniPath(settings::BuildIniDir(R"(D:\Apps\Clock)")),
              R"(D:\\Apps\\Clock\\zentim.ini)");
    // A drive root keeps its own separator: four backslashes in a row.
    EXPECT_EQ(settings::BuildIniDir(R"(C:\)"), R"(C:\\\\)");
}

// Empty pieces count; the search resumes after each occurrence, so none
// overlap; the pieces go after what the array held.
TEST(SettingsText, SplitKeepsEveryPiece)
{
    const struct {
        const char* text;
        const char* separator;
        Pieces pieces;
    } cases[] = {
        { "100,340,200,440,", ",", { "100", "340", "200", "440", "" } },
        { ",1,,2", ",", { "", "1", "", "2" } },
        { "", ",", { "" } },
        { "a::b:c", "::", { "a", "b:c" } },
        { "aaaa", "aa", { "", "", "" } },
        { "ab", "abc", { "ab" } },
    };
    for (const auto& c : cases) {
        Pieces pieces{ "held" };
        EXPECT_EQ(settings::SplitString(pieces, c.text, c.separator), 1 + int(c.pieces.size()));
        EXPECT_EQ(Pieces(pieces.begin() + 1, pieces.end()), c.pieces) << c.text;
    }
}

TEST(SettingsText, LeadingIntIsAtoiThatSaturates)
{
    const std::pair<const char*, int> cases[] = {
        { "15abc", 15 },
        { " \t\n-12 34", -12 },
        { "+7", 7 },
        { "", 0 },
        { "+-3", 0 },
        { "x15", 0 },
        { "2147483648", INT_MAX },
        { "-99999999999999999999", INT_MIN },
        { "000000000000000000000000000012", 12 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(settings::ParseLeadingInt(c.first), c.second) << c.first;
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

} // namespace

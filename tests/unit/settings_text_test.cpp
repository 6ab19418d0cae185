// Text forms of the settings file: the path rule, the splitter, the number
// conversion and the saved rectangle.
#include "settings/settings_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace settings {
void PrintTo(const SizeRect& r, std::ostream* os)
{
    *os << "{" << r.left << ", " << r.right << ", " << r.top << ", " << r.bottom << "}";
}
} // namespace settings

namespace {

using settings::SizeRect;
using Pieces = std::vector<std::string>;

TEST(SettingsPath, DoublesEveryBackslash)
{
    const struct {
        const char* current;
        const char* dir;
    } cases[] = {
        { R"(D:\Apps\Clock)", R"(D:\\Apps\\Clock\\)" },
        // A drive root keeps its own separator: four backslashes in a row.
        { R"(C:\)", R"(C:\\\\)" },
        { R"(\\server\share)", R"(\\\\server\\share\\)" },
        { "clock", R"(clock\\)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        const std::string dir = settings::BuildIniDir(c.current);
        EXPECT_EQ(dir, c.dir);
        EXPECT_EQ(settings::BuildIniPath(dir), std::string(c.dir) + "zentim.ini");
    }
}

TEST(SplitString, KeepsEveryPiece)
{
    const struct {
        const char* text;
        const char* separator;
        Pieces pieces;
    } cases[] = {
        { "100,340,200,440", ",", { "100", "340", "200", "440" } },
        { "100,340,200,440,", ",", { "100", "340", "200", "440", "" } },
        { "1,,2", ",", { "1", "", "2" } },
        { ",a", ",", { "", "a" } },
        { "", ",", { "" } },
        { " a , b ", ",", { " a ", " b " } },
        { "a::b::c", "::", { "a", "b", "c" } },
        { "a:b", "::", { "a:b" } },
        // The search resumes after the previous occurrence, so none overlap.
        { "aaa", "aa", { "", "a" } },
        { "aaaa", "aa", { "", "", "" } },
        { "ab", "abc", { "ab" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" on \"" << c.separator << '"');
        Pieces pieces;
        EXPECT_EQ(settings::SplitString(pieces, c.text, c.separator),
                  static_cast<int>(c.pieces.size()));
        EXPECT_EQ(pieces, c.pieces);
    }
}

TEST(SplitString, AppendsAndCountsWhatTheArrayHeld)
{
    Pieces pieces{ "old", "older" };
    EXPECT_EQ(settings::SplitString(pieces, "x,y,", ","), 5);
    EXPECT_EQ(pieces, (Pieces{ "old", "older", "x", "y", "" }));
}

TEST(ParseLeadingInt, BehavesLikeAtoiButSaturates)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        { "15abc", 15 },
        { "-5", -5 },
        { "+7", 7 },
        { " \t\n\v\f\r42", 42 },
        { "  -12 34", -12 },
        { "1e5", 1 },
        { "", 0 },
        { "abc", 0 },
        { "-", 0 },
        { "+-3", 0 },
        { "x15", 0 },
        { "2147483647", INT_MAX },
        { "2147483648", INT_MAX },
        { "99999999999999999999999999", INT_MAX },
        { "-2147483648", INT_MIN },
        { "-2147483649", INT_MIN },
        { "-99999999999999999999999999", INT_MIN },
        // Leading zeros are no reason to saturate.
        { "000000000000000000000000000012", 12 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(settings::ParseLeadingInt(c.text), c.value);
    }
}

TEST(SizeText, ParsesOnlyFourPieces)
{
    EXPECT_EQ(settings::ParseSizeText("100,340,200,440"), (SizeRect{ 100, 340, 200, 440 }));
    EXPECT_EQ(settings::ParseSizeText("10, 20, 30, 40"), (SizeRect{ 10, 20, 30, 40 }));
    EXPECT_EQ(settings::ParseSizeText("300,100,-5,x"), (SizeRect{ 300, 100, -5, 0 }));
    EXPECT_EQ(settings::ParseSizeText(",,,"), (SizeRect{ 0, 0, 0, 0 }));

    for (const char* text : { "100,340,200,440,", "1,2,3", "", "1,2,3,4,5", "1;2;3;4" }) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(settings::ParseSizeText(text).has_value());
    }
}

TEST(SizeText, FormatsQuotedAndReadsBack)
{
    const struct {
        SizeRect rect;
        const char* text;
    } cases[] = {
        { { 100, 340, 200, 440 }, R"("100,340,200,440")" },
        { { -1280, -1040, -30, 210 }, R"("-1280,-1040,-30,210")" },
        { { INT_MIN, INT_MAX, 0, -1 }, R"("-2147483648,2147483647,0,-1")" },
    };
    for (const auto& c : cases) {
        const std::string text = settings::FormatSizeText(c.rect);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(settings::ParseSizeText(text.substr(1, text.size() - 2)), c.rect) << text;
    }
}

TEST(Quoted, AddsOnePairAndEscapesNothing)
{
    EXPECT_EQ(settings::Quoted(""), R"("")");
    EXPECT_EQ(settings::Quoted(R"( say "hi" )"), R"(" say "hi" ")");
    EXPECT_EQ(settings::Quoted(R"(D:\Sounds\kuku.wav)"), R"("D:\Sounds\kuku.wav")");
}

} // namespace

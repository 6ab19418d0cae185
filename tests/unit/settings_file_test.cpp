// zentim.ini's text, free of the disk: how the file's bytes are read in
// each encoding and written back in one that holds them, how its lines are
// read and changed as the profile functions do, and when a file another
// program holds is tried again, reported and protected from a save.
#include "settings/ini_document.h"
#include "settings/load_attempts.h"
#include "settings/text_encoding.h"

#include "latin1.h"

#include <gtest/gtest.h>

namespace {

using settings::Encoding;
using settings::FileState;
using settings::IniDocument;

const Latin1 kLatin1;

std::string Utf16Le(const std::string& text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : settings::Utf8ToUtf16(text))
        bytes += std::string{ static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8) };
    return bytes;
}

// Each form is told by its mark, or by being UTF-8 with a letter beyond
// ASCII; the text goes back in the same form while that holds it, and
// becomes UTF-16 LE when an ANSI file cannot.
TEST(SettingsFile, EncodingsAreReadAndKept)
{
    const std::string zoe = u8"Zoë", clock = u8"時計 😀";
    // clang-format off
    const struct { std::string bytes, text; Encoding read; std::string saved; Encoding kept; } cases[] = {
        { "a=Zo\xEB", "a=" + zoe, Encoding::Ansi, "a=" + clock, Encoding::Utf16Le },
        { "a=Zo", "a=Zo", Encoding::Ansi, "a=" + zoe, Encoding::Ansi },
        { "a=" + zoe, "a=" + zoe, Encoding::Utf8, "a=" + clock, Encoding::Utf8 },
        { "\xEF\xBB\xBF" "a=Zo", "a=Zo", Encoding::Utf8Bom, "a=" + clock, Encoding::Utf8Bom },
        { Utf16Le("a=" + clock), "a=" + clock, Encoding::Utf16Le, "a=" + zoe, Encoding::Utf16Le },
        { std::string("\xFE\xFF\0a\xD8\x3D\xDE\0", 8), u8"a😀", Encoding::Utf16Be, "a", Encoding::Utf16Be },
        // Half a letter: no UTF-8, so the code page's, which must not save
        // what would read as UTF-8; a lone surrogate and an odd last byte of
        // UTF-16 are no letters.
        { "a=\xC3", u8"a=Ã", Encoding::Ansi, u8"a=Ã©", Encoding::Utf16Le },
        { std::string("\xFF\xFE\x00\xD8x", 5), u8"\uFFFD\uFFFD", Encoding::Utf16Le, "", Encoding::Utf16Le },
    };
    // clang-format on
    for (const auto& c : cases) {
        const settings::DecodedFile decoded = settings::DecodeFile(c.bytes, kLatin1);
        EXPECT_EQ(decoded.text, c.text) << c.text;
        EXPECT_EQ(decoded.encoding, c.read) << c.text;
        const settings::EncodedFile again = settings::EncodeFile(c.text, c.read, kLatin1);
        if (c.text.find(u8"\uFFFD") == std::string::npos)
            EXPECT_EQ(again.bytes, c.bytes) << "unchanged, byte for byte: " << c.text;
        const settings::EncodedFile saved = settings::EncodeFile(c.saved, c.read, kLatin1);
        EXPECT_EQ(saved.encoding, c.kept) << c.saved;
        EXPECT_EQ(settings::DecodeFile(saved.bytes, kLatin1).text, c.saved);
    }
}

// Read as the profile functions read: names in any case, blanks and one
// pair of quotes off, the first of a name counts, no length limit. Changes
// touch only their own line, in the file's own line ends; a key removed
// takes every line of it along.
TEST(SettingsFile, DocumentReadsAndChangesLikeTheProfileFunctions)
{
    const std::string text = "; c=0\n[options]\n  Up_Str = \" a 'b' \" \nq='x'\nup_str=2\nQ=2\n\n"
                             "[Options]\nlong=x\n[Other]\r\nk\r\n";
    IniDocument file(text);
    EXPECT_EQ(file.Text(), text);
    // clang-format off
    const struct { const char* section; const char* key; std::optional<std::string> value; } reads[] = {
        { "Options", "up_str", " a 'b' " }, { "OPTIONS", "q", "x" }, { "Options", "long", std::nullopt },
        { "Options", "c", std::nullopt },   { "Other", "k", std::nullopt }, { "None", "q", std::nullopt },
    };
    // clang-format on
    for (const auto& read : reads)
        EXPECT_EQ(file.Read(read.section, read.key), read.value) << read.key;
    EXPECT_EQ(IniDocument("[A]\nlong=" + std::string(10000, 'x')).Read("A", "long")->size(),
              10000u);

    file.Write("Options", "up_str", "\"new\"");
    file.Write("Options", "added", "1");
    file.Write("Other", "k2", "2");
    file.Write("New", "n", "3");
    file.Remove("Options", "q");
    EXPECT_EQ(file.Text(), "; c=0\n[options]\nup_str=\"new\"\nup_str=2\nadded=1\n\n[Options]\n"
                           "long=x\n[Other]\r\nk\r\nk2=2\n[New]\nn=3\n");
    IniDocument unended("[A]\r\nb=1");
    unended.Write("A", "c", "2");
    EXPECT_EQ(unended.Text(), "[A]\r\nb=1\r\nc=2\r\n");
}

// Quiet tries four times a second, one line after three seconds, then a
// try every two; a save is refused until a try reads the file or finds it
// gone. A later load the user asks for reports again.
TEST(SettingsFile, AFileHeldByAnotherProgramIsTriedAgainAndNeverSavedOver)
{
    settings::LoadAttempts attempts;
    const std::optional<int> quick = settings::LoadAttempts::kQuickRetryMs,
                             slow = settings::LoadAttempts::kBackgroundRetryMs, none;
    // clang-format off
    const struct { FileState state; std::uint64_t at; bool report; std::optional<int> retry; bool maySave; } steps[] = {
        { FileState::Unreadable, 1000, false, quick, false }, { FileState::Unreadable, 3999, false, quick, false },
        { FileState::Unreadable, 4000, true, slow, false },   { FileState::Unreadable, 6000, false, slow, false },
        { FileState::Read, 8000, false, none, true },         { FileState::Unreadable, 9000, false, quick, true },
        { FileState::Unreadable, 12000, true, slow, true },   { FileState::Missing, 14000, false, none, true },
    };
    // clang-format on
    EXPECT_TRUE(settings::LoadAttempts().After(FileState::Missing, 0).retryInMs == none);
    attempts.Begin();
    for (const auto& step : steps) {
        const settings::LoadAttempts::Next next = attempts.After(step.state, step.at);
        EXPECT_EQ(next.report, step.report) << step.at;
        EXPECT_EQ(next.retryInMs, step.retry) << step.at;
        EXPECT_EQ(attempts.MaySave(), step.maySave) << step.at;
        if (step.state == FileState::Read)
            attempts.Begin();
    }
}

} // namespace

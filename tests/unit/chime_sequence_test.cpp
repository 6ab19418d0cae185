#include "face/chime_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using face::ChimeAction;

std::string Steps(int flashCount, bool withSound)
{
    face::ChimeSequence sequence(flashCount, withSound);
    std::string steps;
    while (const std::optional<face::ChimeStep> step = sequence.Next()) {
        steps += step->action == ChimeAction::Maximize  ? "M"
                 : step->action == ChimeAction::Restore ? "R"
                                                        : "S";
        steps += std::to_string(step->pauseAfterMs) + " ";
    }
    return steps;
}

// Each flash is 150 ms maximised and 150 ms restored, the sound after the
// last; a count of 0 or less flashes never, and a typo's count is not
// listed in advance.
TEST(ChimeSequence, FlashesThenTheSound)
{
    EXPECT_EQ(Steps(2, true), "M150 R150 M150 R150 S0 ");
    EXPECT_EQ(Steps(1, false), "M150 R150 ");
    EXPECT_EQ(Steps(0, true), "S0 ");
    EXPECT_EQ(Steps(-5, true), "S0 ");
    face::ChimeSequence typo(2000000000, true);
    for (int i = 0; i < 3; ++i)
        typo.Next();
    EXPECT_TRUE(typo.Maximized());
}

// The data chunk's size over the format's bytes a second, whatever chunks
// come before it; nothing for what is no WAV file or does not say.
TEST(ChimeSequence, WavLengthFromItsHeaders)
{
    const auto little = [](std::uint32_t value) {
        return std::string{ char(value), char(value >> 8), char(value >> 16), char(value >> 24) };
    };
    const std::string format = "fmt " + little(16) + std::string(4, '\1') + little(8000) +
                               little(16000) + std::string(4, '\2');
    const std::string list = "LIST" + little(3) + "abc" + std::string(1, '\0');
    const std::string data = "data" + little(24000);
    const auto riff = [&](const std::string& chunks) {
        return "RIFF" + little(0) + "WAVE" + chunks;
    };
    // clang-format off
    const struct { std::string bytes; std::optional<int> ms; } cases[] = {
        { riff(format + data), 1500 },
        { riff(format + list + data), 1500 },
        { riff(data + format), std::nullopt },
        { riff(format), std::nullopt },
        { "RIFX" + little(0) + "WAVE" + format + data, std::nullopt },
        { "RIFF", std::nullopt },
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(face::WavLengthMs(c.bytes), c.ms) << c.bytes.size();
}

} // namespace

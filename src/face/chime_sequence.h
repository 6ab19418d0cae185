// ChimeSequence: the steps of one chime and the pause after each, free of
// any platform API: the window maximised and restored flashCount times,
// 150 ms in each state, then the sound. The clock runs the steps from a
// timer, so that the face keeps ticking and the window keeps answering
// however many flashes there are and however long the sound.
// WavLengthMs: how long a WAV file plays, from its first bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace face {

constexpr int kFlashStateMs = 150;

enum class ChimeAction { Maximize, Restore, Sound };

struct ChimeStep {
    ChimeAction action;
    int pauseAfterMs;
};

class ChimeSequence {
public:
    ChimeSequence(int flashCount, bool withSound);

    // The next step, or nothing once the chime is over.
    std::optional<ChimeStep> Next();
    // Whether the last step left the window maximised.
    bool Maximized() const { return m_maximized; }

private:
    // Counted down rather than listed: a count of 100000 is a typo, not a
    // list to build.
    std::int64_t m_statesLeft;
    bool m_sound;
    bool m_maximized = false;
};

// From the first bytes of a WAV file (its RIFF header and the chunk headers
// up to the data): the milliseconds its data plays, or nothing when they
// do not tell.
std::optional<int> WavLengthMs(const std::string& firstBytes);

} // namespace face

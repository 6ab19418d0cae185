#include "face/chime_sequence.h"

#include <algorithm>

namespace face {

ChimeSequence::ChimeSequence(int flashCount, bool withSound)
    : m_statesLeft(flashCount > 0 ? 2 * static_cast<std::int64_t>(flashCount) : 0),
      m_sound(withSound)
{
}

std::optional<ChimeStep> ChimeSequence::Next()
{
    if (m_statesLeft > 0) {
        // Maximising also brings back a clock hidden in the notification
        // area; the restore then leaves it on screen at its own size.
        m_maximized = m_statesLeft-- % 2 == 0;
        return ChimeStep{ m_maximized ? ChimeAction::Maximize : ChimeAction::Restore,
                          kFlashStateMs };
    }
    if (m_sound) {
        m_sound = false;
        return ChimeStep{ ChimeAction::Sound, 0 };
    }
    return std::nullopt;
}

namespace {
std::uint32_t Little32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}
} // namespace

std::optional<int> WavLengthMs(const std::string& firstBytes)
{
    if (firstBytes.size() < 12 || firstBytes.compare(0, 4, "RIFF") != 0 ||
        firstBytes.compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    std::uint32_t bytesPerSecond = 0;
    // Chunks are word-aligned: an odd size is followed by a pad byte.
    for (std::size_t at = 12; at + 8 <= firstBytes.size();) {
        const std::uint32_t size = Little32(firstBytes, at + 4);
        if (firstBytes.compare(at, 4, "fmt ") == 0 && at + 20 <= firstBytes.size())
            bytesPerSecond = Little32(firstBytes, at + 16);
        if (firstBytes.compare(at, 4, "data") == 0) {
            if (bytesPerSecond == 0)
                return std::nullopt;
            const std::uint64_t ms = static_cast<std::uint64_t>(size) * 1000 / bytesPerSecond;
            return static_cast<int>(std::min<std::uint64_t>(ms, INT32_MAX));
        }
        at += 8 + static_cast<std::size_t>(size) + (size & 1);
    }
    return std::nullopt;
}

} // namespace face

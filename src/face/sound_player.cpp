#include "face/sound_player.h"

#include "framework/late_bound.h"
#include "framework/text.h"

namespace face {

BOOL WINAPI PlaySoundLate(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound)
{
    static CLateBound<decltype(&PlaySoundW)> playSound(L"winmm.dll", "PlaySoundW");
    return playSound(pszSound, hmod, fdwSound);
}

// Without SND_NODEFAULT: a file that cannot be played still gives the
// system's default sound.
void SoundPlayer::Start(const std::string& file)
{
    if (!file.empty())
        m_play(Widen(file).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

void SoundPlayer::PlayToEnd(const std::string& file)
{
    if (!file.empty())
        m_play(Widen(file).c_str(), nullptr, SND_FILENAME);
}

void SoundPlayer::Stop() { m_play(nullptr, nullptr, 0); }

} // namespace face

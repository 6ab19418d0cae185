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
// system's default sound, and so does an alarm sound event that the
// system's sound scheme lacks.
bool SoundPlayer::StartChime(const std::string& file)
{
    if (file.empty() || m_started == SoundUse::Alarm)
        return false;
    m_play(Widen(file).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    m_started = SoundUse::Chime;
    return true;
}

void SoundPlayer::StartAlarm(const std::string& file)
{
    if (file.empty())
        m_play(kAlarmSoundAlias, nullptr, SND_ALIAS | SND_ASYNC | SND_LOOP);
    else
        m_play(Widen(file).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_LOOP);
    m_started = SoundUse::Alarm;
}

void SoundPlayer::Stop(SoundUse use)
{
    if (m_started != use)
        return;
    m_play(nullptr, nullptr, 0);
    m_started.reset();
}

void SoundPlayer::PlayToEnd(const std::string& file, SoundUse use)
{
    if (!file.empty())
        m_play(Widen(file).c_str(), nullptr, SND_FILENAME);
    else if (use == SoundUse::Alarm)
        m_play(kAlarmSoundAlias, nullptr, SND_ALIAS);
}

} // namespace face

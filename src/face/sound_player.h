// SoundPlayer: how the clock plays its WAV files. Windows plays one sound
// of a process at a time, and a new one cuts the last short, so one player
// serves the whole clock and decides between the chime and an alarm: an
// alarm's sound is never cut by a chime, and cuts a chime's short. It
// starts a sound and returns at once, so that the face keeps ticking
// however long the sound; a file that cannot be played gives the system's
// default sound.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <optional>
#include <string>

namespace face {

// PlaySoundW, or a stand-in in the tests.
using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);
// PlaySoundW, its DLL loaded at the first sound.
BOOL WINAPI PlaySoundLate(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);

// The sound event an alarm without a file of its own plays.
constexpr wchar_t kAlarmSoundAlias[] = L"Notification.Looping.Alarm";

enum class SoundUse { Chime, Alarm };

class SoundPlayer {
public:
    explicit SoundPlayer(PlaySoundFunction play = &PlaySoundLate) : m_play(play) {}

    // A chime's sound, once. Nothing for an empty name, nor while an
    // alarm sounds; false then.
    bool StartChime(const std::string& file);
    // An alarm's sound over and over until it is stopped; an empty name
    // plays the system's alarm sound.
    void StartAlarm(const std::string& file);
    // Stops the sound if it is the one of that use.
    void Stop(SoundUse use);
    // Returns when the sound has played: the dialogs' test buttons. An empty
    // name plays nothing for a chime, the system's alarm sound for an alarm.
    void PlayToEnd(const std::string& file, SoundUse use = SoundUse::Chime);

private:
    PlaySoundFunction m_play;
    // What was started last and not stopped: a chime's sound may have
    // ended by itself since.
    std::optional<SoundUse> m_started;
};

} // namespace face

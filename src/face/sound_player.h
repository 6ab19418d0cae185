// SoundPlayer: how the clock plays its WAV files. Windows plays one sound
// of a process at a time, and a new one cuts the last short, so one player
// serves the whole clock. It starts a sound and returns at once, so that
// the face keeps ticking however long the sound; a file that cannot be
// played gives the system's default sound.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace face {

// PlaySoundW, or a stand-in in the tests.
using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);
// PlaySoundW, its DLL loaded at the first sound.
BOOL WINAPI PlaySoundLate(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);

class SoundPlayer {
public:
    explicit SoundPlayer(PlaySoundFunction play = &PlaySoundLate) : m_play(play) {}

    // An empty name plays nothing.
    void Start(const std::string& file);
    // Returns when the sound has played: the options dialog's test button.
    void PlayToEnd(const std::string& file);
    void Stop();

private:
    PlaySoundFunction m_play;
};

} // namespace face

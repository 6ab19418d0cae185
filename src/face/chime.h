// RunChime: the interval chime itself, once it is due - the window flashed
// by maximising and restoring it, then the sound played to its end.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace face {

// How a sound file is played: PlaySoundA, or a stand-in in the tests.
using SoundPlayer = BOOL(WINAPI*)(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound);
// PlaySoundA, its DLL loaded at the first sound.
BOOL WINAPI PlaySoundLate(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound);

// Blocks for flashCount x 300 ms and the length of the sound. An empty
// sound plays nothing; one that cannot be played gives the system's
// default sound.
void RunChime(HWND window, int flashCount, const std::string& sound,
              SoundPlayer play = &PlaySoundLate);

} // namespace face

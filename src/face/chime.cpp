#include "face/chime.h"

#include "framework/late_bound.h"

namespace face {
namespace {
constexpr DWORD kFlashStateMs = 150;
} // namespace

BOOL WINAPI PlaySoundLate(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound)
{
    static CLateBound<decltype(&PlaySoundA)> playSound("winmm.dll", "PlaySoundA");
    return playSound(pszSound, hmod, fdwSound);
}

void RunChime(HWND window, int flashCount, const std::string& sound, SoundPlayer play)
{
    // Maximising also brings back a clock hidden in the notification area;
    // the restore then leaves it on screen at its own size.
    for (int flash = 0; flash < flashCount; ++flash) {
        ShowWindow(window, SW_MAXIMIZE);
        Sleep(kFlashStateMs);
        ShowWindow(window, SW_RESTORE);
        Sleep(kFlashStateMs);
    }
    // Synchronous, and without SND_NODEFAULT: a file that can't be played
    // still gives the system's default sound.
    if (!sound.empty())
        play(sound.c_str(), nullptr, SND_FILENAME);
}

} // namespace face

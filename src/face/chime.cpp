// CZentimDlg::CheckKuku: the interval chime, looked at before each frame.
#include "clockwnd/zentim_dlg.h"

#include <mmsystem.h>

namespace {
constexpr DWORD kFlashStateMs = 150;
} // namespace

void CZentimDlg::CheckKuku(const face::ClockTime& time)
{
    if (!m_kukuLatch.ClaimChime(time, m_nKukuType))
        return;
    // Maximising also brings back a clock hidden in the notification area;
    // the restore then leaves it on screen at its own size.
    for (int flash = 0; flash < m_nKukuFlashCount; ++flash) {
        ShowWindow(SW_MAXIMIZE);
        Sleep(kFlashStateMs);
        ShowWindow(SW_RESTORE);
        Sleep(kFlashStateMs);
    }
    // Synchronous, and without SND_NODEFAULT: a file that can't be played
    // still gives the system's default sound.
    if (!m_strKukuSound.empty())
        PlaySoundA(m_strKukuSound.c_str(), nullptr, SND_FILENAME);
}

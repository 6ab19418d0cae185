#include "clockwnd/chime_runner.h"

#include "framework/handle.h"

#include <utility>

namespace clockwnd {
namespace {

// What the RIFF header and the chunk headers before the data take at most
// in the files people make; a file whose data comes later counts as one of
// unknown length, which no click can stop.
constexpr DWORD kWavHeaderBytes = 4096;
constexpr UINT kRestoreCheckMs = 300;
constexpr int kRestoreChecks = 5;

std::optional<int> SoundLengthMs(const std::string& file)
{
    const CHandle handle(
        CreateFileAt(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!handle.Valid())
        return std::nullopt;
    std::string bytes(kWavHeaderBytes, '\0');
    DWORD got = 0;
    if (!ReadFile(handle, &bytes[0], kWavHeaderBytes, &got, nullptr))
        return std::nullopt;
    bytes.resize(got);
    return face::WavLengthMs(bytes);
}

} // namespace

void ChimeRunner::Start(HWND window, int flashCount, const std::string& sound,
                        std::function<void()> afterFlashes)
{
    if (Running())
        return;
    m_afterFlashes = std::move(afterFlashes);
    m_checkRestored = false;
    m_checksLeft = kRestoreChecks;
    m_window = window;
    // A tool window's placement is in screen coordinates.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    m_normal = placement.rcNormalPosition;
    m_steps.emplace(flashCount, !sound.empty());
    m_sound = sound;
    m_soundEnds.reset();
    RunSteps();
}

void ChimeRunner::OnTimer()
{
    if (m_checkRestored) {
        KillTimer(m_window, kTimerId);
        m_checkRestored = false;
        RECT now{};
        GetWindowRect(m_window, &now);
        if (m_held || IsIconic(m_window) || EqualRect(&now, &m_normal) || --m_checksLeft < 0)
            return;
        // Put back, and looked at again: the answer to this change may
        // come late too.
        if (IsZoomed(m_window))
            ShowWindow(m_window, SW_RESTORE);
        else
            SetWindowPos(m_window, nullptr, m_normal.left, m_normal.top,
                         m_normal.right - m_normal.left, m_normal.bottom - m_normal.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        CheckRestoredLater();
        return;
    }
    RunSteps();
}

void ChimeRunner::CheckRestoredLater()
{
    m_checkRestored = true;
    SetTimer(m_window, kTimerId, kRestoreCheckMs, nullptr);
}

void ChimeRunner::RunSteps()
{
    KillTimer(m_window, kTimerId);
    while (m_steps) {
        const std::optional<face::ChimeStep> step = m_steps->Next();
        if (!step) {
            m_steps.reset();
            CheckRestoredLater();
            FlashesOver();
            break;
        }
        if (step->action == face::ChimeAction::Sound) {
            // Kept quiet while an alarm sounds: then no sound of its own
            // waits for a click to stop it.
            const std::optional<int> length =
                m_player.StartChime(m_sound) ? SoundLengthMs(m_sound) : std::nullopt;
            if (length)
                m_soundEnds = GetTickCount64() + static_cast<ULONGLONG>(*length);
        } else if (m_held) {
            continue;
        } else {
            ShowWindow(m_window,
                       step->action == face::ChimeAction::Maximize ? SW_MAXIMIZE : SW_RESTORE);
        }
        if (step->pauseAfterMs > 0) {
            SetTimer(m_window, kTimerId, static_cast<UINT>(step->pauseAfterMs), nullptr);
            return;
        }
    }
}

void ChimeRunner::FlashesOver()
{
    if (const std::function<void()> after = std::exchange(m_afterFlashes, nullptr))
        after();
}

bool ChimeRunner::Running() const
{
    return m_steps.has_value() || (m_soundEnds && GetTickCount64() < *m_soundEnds);
}

bool ChimeRunner::Stop()
{
    if (!Running())
        return false;
    KillTimer(m_window, kTimerId);
    if (m_steps && m_steps->Maximized() && !m_held)
        ShowWindow(m_window, SW_RESTORE);
    if (m_steps)
        CheckRestoredLater();
    m_steps.reset();
    FlashesOver();
    if (m_soundEnds)
        m_player.Stop(face::SoundUse::Chime);
    m_soundEnds.reset();
    return true;
}

void ChimeRunner::Hold(bool held)
{
    // Restored before the window hides: shown again, it stands where it
    // did, at its own size.
    if (held && !m_held && m_steps && m_steps->Maximized() && IsZoomed(m_window))
        ShowWindow(m_window, SW_RESTORE);
    m_held = held;
}

} // namespace clockwnd

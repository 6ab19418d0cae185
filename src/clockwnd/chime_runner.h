// ChimeRunner: one interval chime of the clock window, run step by step
// from a timer of that window (face/chime_sequence.h), so that the face
// keeps ticking and the window keeps answering all through it. The first
// click or key while it runs stops it, flashes and sound.
#pragma once

#include "face/chime_sequence.h"
#include "face/sound_player.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace clockwnd {

class ChimeRunner {
public:
    // The window's timer that runs the steps.
    static constexpr UINT_PTR kTimerId = 2;

    explicit ChimeRunner(face::SoundPlayer& player) : m_player(player) {}

    // Starts a chime on window, unless one runs already; afterFlashes runs
    // once the last flash is over or the chime is stopped before it. A
    // flash activates the window, so whatever should have the keys then
    // takes them back there.
    void Start(HWND window, int flashCount, const std::string& sound,
               std::function<void()> afterFlashes = nullptr);
    // The chime's timer fired: the next step.
    void OnTimer();
    // Whether a flash is still to come or the sound still plays.
    bool Running() const;
    // Ends the chime at once, the window restored and the sound stopped;
    // false when none was running.
    bool Stop();
    // While the clock keeps out of a full-screen program's way its flashes
    // are skipped, a flash under way ending restored; the sound plays.
    void Hold(bool held);

private:
    void RunSteps();
    // A while after the last flash, the window is put back where it stood
    // if it is not there: a window manager may answer a maximise after the
    // restore that followed it (Wine's does, late, and with the maximised
    // rectangle alone).
    void CheckRestoredLater();
    void FlashesOver();

    face::SoundPlayer& m_player;
    HWND m_window = nullptr;
    std::optional<face::ChimeSequence> m_steps;
    std::function<void()> m_afterFlashes;
    bool m_checkRestored = false;
    // A window manager that keeps the window elsewhere is not fought for
    // ever.
    int m_checksLeft = 0;
    bool m_held = false;
    // Where the window stood, restored, when the chime began.
    RECT m_normal{};
    std::string m_sound;
    // When the sound ends, by the tick count; its length read from the file.
    std::optional<ULONGLONG> m_soundEnds;
};

} // namespace clockwnd

// FullScreenWatch: keeps the clock out of the way of a full-screen program
// (a film, a game, a presentation). It follows the window in front through
// the system's events, out of context - the foreground's changes, and the
// moves, hiding and going of the window in front - hides the clock while
// that window covers the clock's monitor (clockwnd/full_screen_rule.h) and
// shows it again where it stood once it no longer does. Hidden so, the
// clock is not in the notification area and saves nothing; its chime
// sounds without flashing.
#pragma once

#include "clockwnd/chime_runner.h"

#include <windows.h>

namespace clockwnd {

class FullScreenWatch {
public:
    explicit FullScreenWatch(ChimeRunner& chime) : m_chime(chime) {}
    FullScreenWatch(const FullScreenWatch&) = delete;
    FullScreenWatch& operator=(const FullScreenWatch&) = delete;
    ~FullScreenWatch() { Stop(); }

    // Watches for window while enabled, looking at the window in front at
    // once; turned off, it gives back a clock it hid. No window, no watch.
    void Apply(HWND window, bool enabled);
    // Unhooked, for a window that goes: it is not shown again.
    void Stop();
    // Looks at the window in front again. The clock's tick calls it, for
    // a system that raises none of the events (Wine raises none).
    void Recheck()
    {
        if (m_watching)
            Check();
    }
    bool Hiding() const { return m_hiding; }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    // The events of the window in front come from its thread alone.
    void Follow(HWND front);
    void Check();
    void Hide();
    void Show();

    ChimeRunner& m_chime;
    HWND m_window = nullptr;
    HWINEVENTHOOK m_foregroundHook = nullptr;
    HWINEVENTHOOK m_frontHook = nullptr;
    HWND m_front = nullptr;
    bool m_watching = false;
    bool m_hiding = false;
};

} // namespace clockwnd

// Helpers for the tests that run real windows under Wine or Windows:
//   PumpFor / PumpUntil - run the message queue instead of sleeping;
//   RunModalScript      - run a dialog modally and script it from inside;
//   ScratchDir          - a fresh current directory for one test;
//   MessageBoxWatcher   - records and closes the message boxes a test causes.
#pragma once

#include "framework/dialog.h"

#include <functional>
#include <string>
#include <vector>

namespace wintest {

// Dispatches queued messages, for at least ms milliseconds.
void PumpFor(DWORD ms);
// Dispatches messages until done() holds or timeoutMs passes; true if it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Runs dlg.DoModal() and calls script once from inside its modal loop, as
// soon as the dialog is shown and enabled (no message box of its own is
// open). Destroys the dialog after the script unless the script ended it.
// Returns DoModal's result.
INT_PTR RunModalScript(CDialog& dlg, const std::function<void()>& script);

// Makes a new empty directory the current one, and goes back and removes it
// (with everything in it) at the end.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const std::string& content) const;
    // The file's bytes into content; false when there is no such file.
    bool Read(const std::string& name, std::string* content) const;

private:
    std::string m_previous;
    std::string m_path;
};

struct MessageBoxRecord {
    std::string caption;
    std::string text;
    UINT icon; // MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION, MB_ICONQUESTION or 0
};

// While it lives, every message box of this thread (a "#32770" top-level
// window other than the dialog under test) is recorded and answered with
// OK. It looks from a thread timer, so it works inside any nested modal
// loop, the boxes' own included. One watcher at a time.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(const CWnd& dialogUnderTest);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Keeps the boxes open until ready() holds, asked every few
    // milliseconds from inside their loop; after limitMs they go anyway.
    void HoldOpenUntil(std::function<bool()> ready, DWORD limitMs = 10000);

    const std::vector<MessageBoxRecord>& Boxes() const { return m_boxes; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK OnThreadWindow(HWND wnd, LPARAM self);
    void Look();

    const CWnd& m_dialog;
    UINT_PTR m_timer;
    std::function<bool()> m_ready;
    DWORD m_limitMs = 0;
    DWORD m_heldSince = 0;
    std::vector<HWND> m_open;
    std::vector<MessageBoxRecord> m_boxes;
};

} // namespace wintest

// Helpers for the tests that run real windows under Wine or Windows:
//   PumpFor / PumpUntil - run the message queue instead of sleeping;
//   RunModalScript      - run a dialog modally and script it from inside;
//   ScratchDir          - a fresh current directory for one test.
#pragma once

#include "framework/dialog.h"

#include <functional>
#include <string>

namespace wintest {

// Dispatches queued messages, for at least ms milliseconds.
void PumpFor(DWORD ms);
// Dispatches messages until done() holds or timeoutMs passes; true if it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Runs dlg.DoModal() and calls script once from inside its modal loop, as
// soon as the dialog is shown. Destroys the dialog after the script unless
// the script ended it. Returns DoModal's result.
INT_PTR RunModalScript(CDialog& dlg, const std::function<void()>& script);

// Makes a new empty directory the current one, and goes back and removes it
// (with everything in it) at the end.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const std::string& content) const;
    // The file's bytes, or an empty optional-like "missing" flag.
    bool Read(const std::string& name, std::string* content) const;

private:
    std::string m_previous;
    std::string m_path;
};

} // namespace wintest

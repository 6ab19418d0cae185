// ClockInstance: one clock per settings folder. Several clocks may run at
// once, each on a folder of its own (a world clock is three folders); a
// second start on a folder that has its clock already brings that one to
// the front instead of opening a twin that would save over the same file.
#pragma once

#include "framework/handle.h"

#include <windows.h>

#include <string>

namespace clockwnd {

class ClockInstance {
public:
    // Claims the folder for this process.
    explicit ClockInstance(const std::string& folder);

    // False when another clock has the folder; it is shown and brought to
    // the front then.
    bool First() const { return m_first; }

    // Marks the clock's window as the folder's, for a later start to find.
    static void MarkWindow(HWND window, const std::string& folder);
    static void UnmarkWindow(HWND window, const std::string& folder);

private:
    CHandle m_mutex;
    bool m_first;
};

} // namespace clockwnd

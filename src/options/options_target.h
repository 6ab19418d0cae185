// OptionsTarget: what the options dialog edits - the clock that opened it.
// The dialog edits a copy of the clock's settings and hands it back at
// Apply, so it never reaches into the clock window itself.
#pragma once

#include "settings/clock_settings.h"

#include <windows.h>

#include <string>

class OptionsTarget {
public:
    virtual const settings::ClockSettings& Settings() const = 0;
    // The clock shows the settings at once, or at its next tick.
    virtual void ApplySettings(const settings::ClockSettings& values) = 0;
    // Writes zentim.ini and says how that went.
    virtual void SaveOptions() = 0;
    // The folder whose zentim.ini the clock reads, as the start with the
    // system must name it.
    virtual const std::string& SettingsFolder() const = 0;
    // A message box in the clock's way, the tests' recorder included.
    virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                               UINT type) = 0;

protected:
    ~OptionsTarget() = default;
};

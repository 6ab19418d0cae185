// Telling a leak of GDI or USER objects, on Windows and under Wine:
//   GuiObjects / CountGuiObjects   - how many the process holds, and how
//                                    that was found out;
//   GdiObjectsThatCannotBeCreated  - whether fresh objects can still be made.
#pragma once

#include <windows.h>

#include <string>

namespace wintest {

struct GuiObjects {
    long gdi;
    long user;
    // "GetGuiResources" where the system keeps the counts (Windows).
    // "handle scan" where that is a stub returning 0 (Wine): every value
    // of the 16-bit handle tables is tried, GDI handles with GetObjectType,
    // USER handles as a window of this process, a menu, an icon or cursor.
    const char* method;
};

GuiObjects CountGuiObjects();

// Empty when a thousand each of pens, brushes, fonts, regions, bitmaps and
// memory DCs can still be created together; otherwise the names of those
// that cannot. A process that leaks one object a frame has filled its
// 65 536-entry handle table long before 100 000 frames, and then this
// fails wherever the counts are blind.
std::string GdiObjectsThatCannotBeCreated();

} // namespace wintest

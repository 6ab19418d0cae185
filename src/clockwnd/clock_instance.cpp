#include "clockwnd/clock_instance.h"

#include "clockwnd/zentim_dlg.h"
#include "framework/text.h"

#include <cstdint>
#include <cstdio>

namespace clockwnd {
namespace {

// The folder as a name for the session's objects: folders are the same
// whatever the letter case of their names, and the name has a length
// limit that a path would pass.
std::wstring FolderName(const std::string& folder)
{
    std::wstring path = Widen(folder);
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
    for (const wchar_t unit : path)
        hash = (hash ^ static_cast<std::uint16_t>(unit)) * 1099511628211ULL;
    wchar_t name[32];
    std::swprintf(name, 32, L"Zentim-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

struct Search {
    std::wstring property;
    HWND found;
};

BOOL CALLBACK FindMarked(HWND window, LPARAM lParam)
{
    Search& search = *reinterpret_cast<Search*>(lParam);
    if (GetPropW(window, search.property.c_str()) == nullptr)
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

ClockInstance::ClockInstance(const std::string& folder)
    : m_mutex(CreateMutexW(nullptr, FALSE, (L"Local\\" + FolderName(folder)).c_str())),
      m_first(!m_mutex.Valid() || GetLastError() != ERROR_ALREADY_EXISTS)
{
    if (m_first)
        return;
    Search search{ FolderName(folder), nullptr };
    EnumWindows(&FindMarked, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
        return;
    // As a click on its icon does, should it be in the notification area.
    PostMessageW(search.found, WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN);
    SetForegroundWindow(search.found);
}

void ClockInstance::MarkWindow(HWND window, const std::string& folder)
{
    SetPropW(window, FolderName(folder).c_str(), reinterpret_cast<HANDLE>(1));
}

void ClockInstance::UnmarkWindow(HWND window, const std::string& folder)
{
    RemovePropW(window, FolderName(folder).c_str());
}

} // namespace clockwnd

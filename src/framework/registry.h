// CRegKey: an open registry key, closed with its owner; null when it could
// not be opened.
#pragma once

#include <windows.h>

#include <utility>

class CRegKey {
public:
    // The key, made if it is not there.
    static CRegKey Create(HKEY parent, const wchar_t* path, REGSAM access)
    {
        CRegKey key;
        if (RegCreateKeyExW(parent, path, 0, nullptr, 0, access, nullptr, &key.m_key, nullptr) !=
            ERROR_SUCCESS)
            key.m_key = nullptr;
        return key;
    }
    static CRegKey Open(HKEY parent, const wchar_t* path, REGSAM access)
    {
        CRegKey key;
        if (RegOpenKeyExW(parent, path, 0, access, &key.m_key) != ERROR_SUCCESS)
            key.m_key = nullptr;
        return key;
    }

    CRegKey(CRegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
    CRegKey& operator=(CRegKey&& other) noexcept
    {
        std::swap(m_key, other.m_key);
        return *this;
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    operator HKEY() const { return m_key; }

private:
    CRegKey() = default;
    HKEY m_key = nullptr;
};

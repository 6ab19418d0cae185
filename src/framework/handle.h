// CHandle: a kernel object's handle (a file's, a mutex's), closed with its
// owner. CreateFile gives INVALID_HANDLE_VALUE where the other creators
// give null: neither is a handle, and neither is closed.
#pragma once

#include "framework/text.h"

#include <windows.h>

#include <string>

class CHandle {
public:
    explicit CHandle(HANDLE handle) : m_handle(handle) {}
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle()
    {
        if (Valid())
            CloseHandle(m_handle);
    }
    bool Valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    operator HANDLE() const { return m_handle; }

private:
    HANDLE m_handle;
};

// CreateFileW for a UTF-8 path, with the attributes every caller wants.
inline HANDLE CreateFileAt(const std::string& path, DWORD access, DWORD share, DWORD disposition)
{
    return CreateFileW(Widen(path).c_str(), access, share, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// CFileDialog: the system's open-file dialog. Names and paths are UTF-8;
// the filter is written with '|' separators.
#pragma once

#include "framework/wnd.h"

#include <commdlg.h>

#include <string>

class CFileDialog {
public:
    // pParentWnd owns the dialog; with none, the window active when DoModal
    // runs does.
    CFileDialog(const char* lpszDefExt = nullptr, const char* lpszFileName = nullptr,
                DWORD dwFlags = 0, const char* lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // The folder the dialog opens in; with none, the dialog picks its own.
    void SetInitialDir(const std::string& folder);
    // IDOK when the user chose a file, else IDCANCEL.
    INT_PTR DoModal();
    // The full path of the chosen file.
    std::string GetPathName() const;

private:
    OPENFILENAMEW m_ofn{};
    std::wstring m_strDefExt;
    std::wstring m_strFilter;
    std::wstring m_strInitialDir;
    // Longer than MAX_PATH: a folder a user can make may be deeper.
    wchar_t m_szFileName[4096] = L"";
    CWnd* m_pParentWnd;
};

// CFileDialog: the system's open-file dialog. The caller may adjust the
// OPENFILENAMEA before DoModal; the filter is written with '|' separators.
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

    OPENFILENAMEA& GetOFN() { return m_ofn; }
    // IDOK when the user chose a file, else IDCANCEL.
    INT_PTR DoModal();
    // The full path of the chosen file.
    std::string GetPathName() const { return m_szFileName; }

private:
    OPENFILENAMEA m_ofn{};
    std::string m_strDefExt;
    std::string m_strFilter;
    char m_szFileName[MAX_PATH] = "";
    CWnd* m_pParentWnd;
};

#include "framework/file_dialog.h"

#include "framework/late_bound.h"
#include "framework/text.h"

#include <algorithm>

CFileDialog::CFileDialog(const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                         const char* lpszFilter, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd)
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = GetModuleHandleW(nullptr);
    m_ofn.Flags = dwFlags;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = static_cast<DWORD>(std::size(m_szFileName));
    if (lpszFileName != nullptr)
        lstrcpynW(m_szFileName, Widen(lpszFileName).c_str(), static_cast<int>(m_ofn.nMaxFile));
    if (lpszDefExt != nullptr) {
        m_strDefExt = Widen(lpszDefExt);
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
    }
    if (lpszFilter != nullptr) {
        // "WAV files (*.wav)|*.wav||" becomes the NUL-separated pairs the
        // system wants; the string's own terminator ends the list.
        m_strFilter = Widen(lpszFilter);
        std::replace(m_strFilter.begin(), m_strFilter.end(), L'|', L'\0');
        m_ofn.lpstrFilter = m_strFilter.c_str();
    }
}

void CFileDialog::SetInitialDir(const std::string& folder)
{
    m_strInitialDir = Widen(folder);
    m_ofn.lpstrInitialDir = m_strInitialDir.empty() ? nullptr : m_strInitialDir.c_str();
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : GetActiveWindow();
    static CLateBound<decltype(&GetOpenFileNameW)> getOpenFileName(L"comdlg32.dll",
                                                                   "GetOpenFileNameW");
    return getOpenFileName(&m_ofn) ? IDOK : IDCANCEL;
}

std::string CFileDialog::GetPathName() const { return Narrow(m_szFileName); }

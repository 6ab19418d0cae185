#include "framework/file_dialog.h"

#include "framework/late_bound.h"

#include <algorithm>

CFileDialog::CFileDialog(const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                         const char* lpszFilter, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd)
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = GetModuleHandleA(nullptr);
    m_ofn.Flags = dwFlags;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    if (lpszFileName != nullptr)
        lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
    }
    if (lpszFilter != nullptr) {
        // "WAV files (*.wav)|*.wav||" becomes the NUL-separated pairs the
        // system wants; the string's own terminator ends the list.
        m_strFilter = lpszFilter;
        std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
        m_ofn.lpstrFilter = m_strFilter.c_str();
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : GetActiveWindow();
    static CLateBound<decltype(&GetOpenFileNameA)> getOpenFileName("comdlg32.dll",
                                                                   "GetOpenFileNameA");
    return getOpenFileName(&m_ofn) ? IDOK : IDCANCEL;
}

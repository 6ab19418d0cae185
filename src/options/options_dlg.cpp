#include "options/options_dlg.h"

#include "clockwnd/zentim_dlg.h"
#include "framework/file_dialog.h"
#include "settings/settings_text.h"

#include <shlobj.h>

#include <string>

COptions::COptions(CWnd* pParent)
    : CDialog(IDD, pParent), m_bFirstPaint(true),
      m_hPlayBitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PLAY)))
{
}

COptions::~COptions() = default;

// The Cancel button ends the dialog as Esc and the close box do, keeping
// whatever Apply wrote.
BEGIN_MESSAGE_MAP(COptions)
ON_BN_CLICKED(IDC_BUTTON_CANCEL, OnCancel)
ON_BN_CLICKED(IDC_BUTTON_BROWSE, OnBnClickedButtonBrowse)
ON_BN_CLICKED(IDC_BUTTON_APPLY, OnBnClickedButtonApply)
ON_BN_CLICKED(IDC_BUTTON_SAVE, OnBnClickedButtonSave)
ON_BN_CLICKED(IDC_BUTTON_PLAY, OnBnClickedButtonPlay)
ON_WM_PAINT()
END_MESSAGE_MAP()

void COptions::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHECK_DIGITAL_PANEL, m_btnDigitalPanel);
    DDX_Control(pDX, IDC_BUTTON_PLAY, m_btnPlay);
}

BOOL COptions::OnInitDialog()
{
    CDialog::OnInitDialog();

    const settings::ClockSettings& clock = m_pClockDlg->m_settings;
    SetDlgItemText(IDC_EDIT_KUKU_TYPE, std::to_string(clock.m_nKukuType).c_str());
    SetDlgItemText(IDC_EDIT_KUKU_SOUND, clock.m_strKukuSound.c_str());
    SetDlgItemText(IDC_EDIT_KUKU_FLASH_COUNT, std::to_string(clock.m_nKukuFlashCount).c_str());
    SetDlgItemText(IDC_EDIT_UP_STR, clock.m_strUpStr.c_str());
    SetDlgItemText(IDC_EDIT_DOWN_STR, clock.m_strDownStr.c_str());
    m_btnDigitalPanel.SetCheck(clock.m_nDigitalPanel == 1 ? BST_CHECKED : BST_UNCHECKED);
    // The focus goes to the first tab stop, Apply.
    return TRUE;
}

void COptions::OnBnClickedButtonApply()
{
    // The clock reads these at every tick, so the next one shows them.
    settings::ClockSettings& clock = m_pClockDlg->m_settings;
    clock.m_nKukuType = settings::ParseLeadingInt(GetDlgItemText(IDC_EDIT_KUKU_TYPE));
    clock.m_strKukuSound = GetDlgItemText(IDC_EDIT_KUKU_SOUND);
    clock.m_nKukuFlashCount = settings::ParseLeadingInt(GetDlgItemText(IDC_EDIT_KUKU_FLASH_COUNT));
    clock.m_strUpStr = GetDlgItemText(IDC_EDIT_UP_STR);
    clock.m_strDownStr = GetDlgItemText(IDC_EDIT_DOWN_STR);
    clock.m_nDigitalPanel = m_btnDigitalPanel.GetCheck() == BST_CHECKED ? 1 : 0;
}

void COptions::OnBnClickedButtonSave()
{
    // A user who presses Save means what the boxes show, applied or not;
    // saving only the last applied values would throw their typing away.
    OnBnClickedButtonApply();
    m_pClockDlg->SaveOptions();
    OnCancel();
}

void COptions::OnBnClickedButtonBrowse()
{
    CFileDialog dlg(nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                    "WAV files (*.wav)|*.wav||");

    // Start in the folder that holds the user's documents folder. Without
    // one the file dialog picks its own.
    char documentsPath[MAX_PATH] = "";
    LPITEMIDLIST documents = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &documents) == S_OK) {
        SHGetPathFromIDListA(documents, documentsPath);
        CoTaskMemFree(documents);
    }
    // Wine gives the folder with a trailing backslash; cutting there would
    // leave the documents folder itself.
    std::string initialDir = documentsPath;
    initialDir.erase(initialDir.find_last_not_of('\\') + 1);
    const size_t lastBackslash = initialDir.rfind('\\');
    if (lastBackslash != std::string::npos)
        initialDir.erase(lastBackslash);
    dlg.GetOFN().lpstrInitialDir = initialDir.c_str();

    // The setting itself changes only at the next Apply.
    if (dlg.DoModal() == IDOK)
        SetDlgItemText(IDC_EDIT_KUKU_SOUND, dlg.GetPathName().c_str());
}

void COptions::OnBnClickedButtonPlay()
{
    // What the box holds, so that a sound can be tried before it is applied.
    // Synchronous: the dialog waits until the sound has played.
    const std::string sound = GetDlgItemText(IDC_EDIT_KUKU_SOUND);
    if (!sound.empty())
        m_pfnPlaySound(sound.c_str(), nullptr, SND_FILENAME);
}

void COptions::OnPaint()
{
    // Nothing of the dialog's own to draw; the controls paint themselves.
    {
        CPaintDC dc(m_hWnd);
    }
    // The picture goes on at the first paint and the button keeps it.
    if (m_bFirstPaint) {
        m_bFirstPaint = false;
        m_btnPlay.SetBitmap(m_hPlayBitmap);
    }
}

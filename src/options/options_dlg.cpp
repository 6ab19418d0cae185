#include "options/options_dlg.h"

#include "face/face_renderer.h"
#include "framework/color_dialog.h"
#include "framework/file_dialog.h"
#include "framework/late_bound.h"
#include "framework/text.h"
#include "options/folder_above.h"
#include "settings/settings_text.h"
#include "settings/system_start.h"
#include "time/windows_zones.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <array>
#include <string>

COptions::COptions(CWnd* pParent)
    : CDialog(IDD, pParent), m_bFirstPaint(true),
      m_hPlayBitmap(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PLAY)))
{
    // The dialog's controls are the common controls' (the manifest asks for
    // their version 6). Set up here rather than at start: a clock that only
    // ticks would carry the library for nothing.
    static CLateBound<decltype(&InitCommonControls)> initCommonControls(L"comctl32.dll",
                                                                        "InitCommonControls");
    initCommonControls();
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
ON_BN_CLICKED_EX(IDC_BUTTON_COLOR_BACKGROUND, OnBnClickedButtonColor)
ON_BN_CLICKED_EX(IDC_BUTTON_COLOR_ARROWS, OnBnClickedButtonColor)
ON_BN_CLICKED_EX(IDC_BUTTON_COLOR_SECOND_ARROW, OnBnClickedButtonColor)
ON_BN_CLICKED_EX(IDC_BUTTON_COLOR_DIGITAL_BKGRD, OnBnClickedButtonColor)
ON_BN_CLICKED_EX(IDC_BUTTON_COLOR_DIGITAL_DIGITS, OnBnClickedButtonColor)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

COLORREF COptions::s_customColors[16] = {};

namespace {
struct WidthBox {
    int id;
    int* width;
};
// Each width box with the width it edits.
std::array<WidthBox, 3> WidthBoxes(face::PenWidths& widths)
{
    return { { { IDC_EDIT_HOUR_ARROW_WIDTH, &widths.hour },
               { IDC_EDIT_MINUTE_ARROW_WIDTH, &widths.minute },
               { IDC_EDIT_SCALE_POINTS_WIDTH, &widths.scale } } };
}

struct CheckBox {
    int id;
    bool* value;
};
// Each check box with the setting it switches.
std::array<CheckBox, 6> CheckBoxes(settings::ClockSettings& clock)
{
    return { { { IDC_CHECK_ALWAYS_ON_TOP, &clock.m_bAlwaysOnTop },
               { IDC_CHECK_SMOOTH_FACE, &clock.m_bSmoothFace },
               { IDC_CHECK_CLICK_THROUGH, &clock.m_bClickThrough },
               { IDC_CHECK_DATE_WINDOW, &clock.m_bDateWindow },
               { IDC_CHECK_SECOND_HAND, &clock.m_bSecondHand },
               { IDC_CHECK_HIDE_FULLSCREEN, &clock.m_bHideFullScreen } } };
}
} // namespace

void COptions::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHECK_DIGITAL_PANEL, m_btnDigitalPanel);
    DDX_Control(pDX, IDC_BUTTON_PLAY, m_btnPlay);
}

BOOL COptions::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_settings = m_pTarget->Settings();
    const settings::ClockSettings& clock = m_settings;
    SetDlgItemText(IDC_EDIT_KUKU_TYPE, std::to_string(clock.m_nKukuType));
    SetDlgItemText(IDC_EDIT_KUKU_SOUND, clock.m_strKukuSound);
    SetDlgItemText(IDC_EDIT_KUKU_FLASH_COUNT, std::to_string(clock.m_nKukuFlashCount));
    SetDlgItemText(IDC_EDIT_UP_STR, clock.m_strUpStr);
    SetDlgItemText(IDC_EDIT_DOWN_STR, clock.m_strDownStr);
    m_btnDigitalPanel.SetCheck(clock.m_nDigitalPanel == 1 ? BST_CHECKED : BST_UNCHECKED);
    for (const WidthBox& box : WidthBoxes(m_settings.m_style.widths))
        SetDlgItemText(box.id, std::to_string(*box.width));
    for (const CheckBox& box : CheckBoxes(m_settings))
        CheckDlgButton(m_hWnd, box.id, *box.value ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_EDIT_OPACITY, std::to_string(clock.m_nOpacity));
    FillTimeZones();
    ShowStartedWithSystem();
    // The focus goes to the first tab stop, the top string's box.
    return TRUE;
}

void COptions::OnBnClickedButtonApply()
{
    // The clock reads these at every tick, so the next one shows them.
    settings::ClockSettings& clock = m_settings;
    clock.m_nKukuType = settings::ParseLeadingInt(GetDlgItemText(IDC_EDIT_KUKU_TYPE));
    clock.m_strKukuSound = GetDlgItemText(IDC_EDIT_KUKU_SOUND);
    clock.m_nKukuFlashCount = settings::ParseLeadingInt(GetDlgItemText(IDC_EDIT_KUKU_FLASH_COUNT));
    clock.m_strUpStr = GetDlgItemText(IDC_EDIT_UP_STR);
    clock.m_strDownStr = GetDlgItemText(IDC_EDIT_DOWN_STR);
    clock.m_nDigitalPanel = m_btnDigitalPanel.GetCheck() == BST_CHECKED ? 1 : 0;

    // Widths as the other numbers, brought within what a pen can be; the
    // boxes show what was taken.
    for (const WidthBox& box : WidthBoxes(clock.m_style.widths)) {
        *box.width = face::ClampPenWidth(settings::ParseLeadingInt(GetDlgItemText(box.id)));
        SetDlgItemText(box.id, std::to_string(*box.width));
    }
    for (const CheckBox& box : CheckBoxes(clock))
        *box.value = IsDlgButtonChecked(m_hWnd, box.id) == BST_CHECKED;
    // As the widths: within what the clock allows, the box showing it.
    clock.m_nOpacity =
        std::clamp(settings::ParseLeadingInt(GetDlgItemText(IDC_EDIT_OPACITY)),
                   settings::ClockSettings::kMinOpacity, settings::ClockSettings::kMaxOpacity);
    SetDlgItemText(IDC_EDIT_OPACITY, std::to_string(clock.m_nOpacity));
    const LRESULT zone = SendDlgItemMessageW(m_hWnd, IDC_COMBO_TIME_ZONE, CB_GETCURSEL, 0, 0);
    if (zone >= 0 && static_cast<std::size_t>(zone) < m_zoneKeys.size())
        clock.m_strTimeZone = m_zoneKeys[static_cast<std::size_t>(zone)];
    // The alarms are not this dialog's: a once alarm may have rung and
    // turned itself off since it took its copy.
    clock.m_alarms = m_pTarget->Settings().m_alarms;
    m_pTarget->ApplySettings(clock);

    const bool startWithSystem = IsDlgButtonChecked(m_hWnd, IDC_CHECK_LOAD_AT_START) == BST_CHECKED;
    if (startWithSystem != settings::IsStartedWithSystem(m_pTarget->SettingsFolder()) &&
        !settings::SetStartedWithSystem(startWithSystem, m_pTarget->SettingsFolder())) {
        m_pTarget->ShowMessageBox(m_hWnd, "Can`t change Load at system start!\n", "Options",
                                  MB_OK | MB_ICONERROR);
        ShowStartedWithSystem();
    }
}

void COptions::FillTimeZones()
{
    wchar_t local[64] = L"";
    LoadStringW(GetModuleHandleW(nullptr), IDS_LOCAL_TIME, local, 64);
    m_zoneKeys = { std::string() };
    std::vector<std::string> names = { Narrow(local) };
    for (const timekeeping::ZoneEntry& zone : timekeeping::KnownZones()) {
        m_zoneKeys.push_back(zone.key);
        names.push_back(zone.display);
    }
    // A name Windows does not know stays what the clock keeps, unless the
    // user picks another.
    const std::string& chosen = m_settings.m_strTimeZone;
    auto selected = std::find(m_zoneKeys.begin(), m_zoneKeys.end(), chosen);
    if (selected == m_zoneKeys.end()) {
        m_zoneKeys.push_back(chosen);
        names.push_back(chosen);
        selected = m_zoneKeys.end() - 1;
    }
    const HWND list = GetDlgItem(m_hWnd, IDC_COMBO_TIME_ZONE);
    for (const std::string& name : names)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected - m_zoneKeys.begin()), 0);
}

void COptions::ShowStartedWithSystem()
{
    CheckDlgButton(m_hWnd, IDC_CHECK_LOAD_AT_START,
                   settings::IsStartedWithSystem(m_pTarget->SettingsFolder()) ? BST_CHECKED
                                                                              : BST_UNCHECKED);
}

face::Rgb* COptions::ColorOfButton(int id)
{
    switch (id) {
    case IDC_BUTTON_COLOR_BACKGROUND:
        return &m_settings.m_style.background;
    case IDC_BUTTON_COLOR_ARROWS:
        return &m_settings.m_style.arrows;
    case IDC_BUTTON_COLOR_SECOND_ARROW:
        return &m_settings.m_style.secondArrow;
    case IDC_BUTTON_COLOR_DIGITAL_BKGRD:
        return &m_settings.m_style.panelBox;
    case IDC_BUTTON_COLOR_DIGITAL_DIGITS:
        return &m_settings.m_style.panelDigits;
    }
    return nullptr;
}

void COptions::OnBnClickedButtonColor(int id)
{
    // The clock takes the colour at the next Apply, as it takes the boxes.
    face::Rgb& color = *ColorOfButton(id);
    CColorDialog dlg(face::ToColorRef(color), s_customColors, this);
    if (dlg.DoModal() != IDOK)
        return;
    const COLORREF chosen = dlg.GetColor();
    color = { GetRValue(chosen), GetGValue(chosen), GetBValue(chosen) };
    InvalidateRect(GetDlgItem(m_hWnd, id), nullptr, TRUE);
}

void COptions::OnDrawItem(int id, LPDRAWITEMSTRUCT item)
{
    const face::Rgb* color = ColorOfButton(id);
    if (color == nullptr)
        return;
    // A push button with a swatch of its colour before its caption.
    RECT rc = item->rcItem;
    const bool pushed = (item->itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item->hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int inset = (rc.bottom - rc.top) / 4;
    RECT swatch{ rc.left + 2 * inset, rc.top + inset, rc.left + 6 * inset, rc.bottom - inset };
    const CBrush fill(CreateSolidBrush(face::ToColorRef(*color)));
    FillRect(item->hDC, &swatch, fill);
    FrameRect(item->hDC, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT text{ swatch.right + 2 * inset, rc.top, rc.right - inset, rc.bottom };
    const std::string caption = GetDlgItemText(id);
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(item->hDC, Widen(caption).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (item->itemState & ODS_FOCUS) {
        InflateRect(&rc, -3, -3);
        DrawFocusRect(item->hDC, &rc);
    }
}

void COptions::OnBnClickedButtonSave()
{
    // A user who presses Save means what the boxes show, applied or not;
    // saving only the last applied values would throw their typing away.
    OnBnClickedButtonApply();
    m_pTarget->SaveOptions();
    OnCancel();
}

void COptions::OnBnClickedButtonBrowse()
{
    CFileDialog dlg(nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                    "WAV files (*.wav)|*.wav||");

    // Start in the folder that holds the user's documents folder. Without
    // one the file dialog picks its own.
    wchar_t documentsPath[MAX_PATH] = L"";
    LPITEMIDLIST documents = nullptr;
    static CLateBound<decltype(&SHGetSpecialFolderLocation)> getFolder(
        L"shell32.dll", "SHGetSpecialFolderLocation");
    static CLateBound<decltype(&SHGetPathFromIDListW)> getPath(L"shell32.dll",
                                                               "SHGetPathFromIDListW");
    static CLateBound<decltype(&CoTaskMemFree)> freeList(L"ole32.dll", "CoTaskMemFree");
    if (getFolder(nullptr, CSIDL_PERSONAL, &documents) == S_OK && documents != nullptr) {
        getPath(documents, documentsPath);
        freeList(documents);
    }
    dlg.SetInitialDir(FolderAbove(Narrow(documentsPath)));

    // The setting itself changes only at the next Apply.
    if (dlg.DoModal() == IDOK)
        SetDlgItemText(IDC_EDIT_KUKU_SOUND, dlg.GetPathName());
}

void COptions::OnBnClickedButtonPlay()
{
    // What the box holds, so that a sound can be tried before it is applied.
    // Synchronous: the dialog waits until the sound has played.
    m_sound.PlayToEnd(GetDlgItemText(IDC_EDIT_KUKU_SOUND));
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

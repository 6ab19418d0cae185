#include "alarmsui/alarm_edit_dlg.h"

#include "framework/common_controls.h"
#include "framework/file_dialog.h"
#include "framework/text.h"
#include "options/folder_above.h"

#include <commctrl.h>

#include <vector>

namespace {

// The day a box of the row stands for, Monday first as the file writes
// the days, in alarms::Alarm's weekday bits.
int WeekdayOfBox(int box) { return (box + 1) % 7; }

// The folder where Windows keeps its own sounds, its alarms' among them.
std::string SystemSoundsFolder()
{
    std::vector<wchar_t> folder(MAX_PATH);
    const UINT length = GetWindowsDirectoryW(folder.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return Narrow(folder.data(), static_cast<int>(length)) + "\\Media";
}

} // namespace

CAlarmEditDlg::CAlarmEditDlg(alarms::Alarm alarm, CWnd* pParent)
    : CDialog(IDD, pParent), m_alarm(std::move(alarm)),
      m_playBitmap(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PLAY)))
{
    InitCommonControlsLate(ICC_DATE_CLASSES);
}

BEGIN_MESSAGE_MAP(CAlarmEditDlg)
ON_BN_CLICKED(IDC_ALARM_ONCE, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_DAILY, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_ON_DAYS, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_MONDAY, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_MONDAY + 1, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_MONDAY + 2, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_MONDAY + 3, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_MONDAY + 4, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_MONDAY + 5, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_SUNDAY, OnRepeatChanged)
ON_BN_CLICKED(IDC_ALARM_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_ALARM_PLAY, OnPlay)
END_MESSAGE_MAP()

void CAlarmEditDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ALARM_PLAY, m_btnPlay);
}

BOOL CAlarmEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const HWND picker = GetDlgItem(m_hWnd, IDC_ALARM_TIME);
    // Hours and minutes on the 24-hour clock, as the face's panel shows the
    // time, whatever the system's time format.
    SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm"));
    // The picker holds a date too; today's will do.
    SYSTEMTIME time;
    GetLocalTime(&time);
    time.wHour = static_cast<WORD>(m_alarm.hour);
    time.wMinute = static_cast<WORD>(m_alarm.minute);
    time.wSecond = 0;
    time.wMilliseconds = 0;
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));

    CheckDlgButton(m_hWnd, IDC_ALARM_ON, m_alarm.on ? BST_CHECKED : BST_UNCHECKED);
    const int repeat = m_alarm.once                        ? IDC_ALARM_ONCE
                       : m_alarm.days == alarms::kEveryDay ? IDC_ALARM_DAILY
                                                           : IDC_ALARM_ON_DAYS;
    CheckRadioButton(m_hWnd, IDC_ALARM_ONCE, IDC_ALARM_ON_DAYS, repeat);
    for (int box = 0; box < 7; ++box) {
        const bool checked = !m_alarm.once && (m_alarm.days >> WeekdayOfBox(box) & 1) != 0;
        CheckDlgButton(m_hWnd, IDC_ALARM_MONDAY + box, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    EnableDays();
    SetDlgItemText(IDC_ALARM_LABEL, m_alarm.label);
    SetDlgItemText(IDC_ALARM_SOUND, m_alarm.sound);
    m_btnPlay.SetBitmap(m_playBitmap);
    // The focus goes to the first tab stop, the time.
    return TRUE;
}

std::uint8_t CAlarmEditDlg::CheckedDays() const
{
    std::uint8_t days = 0;
    for (int box = 0; box < 7; ++box) {
        if (IsDlgButtonChecked(m_hWnd, IDC_ALARM_MONDAY + box) == BST_CHECKED)
            days |= static_cast<std::uint8_t>(1 << WeekdayOfBox(box));
    }
    return days;
}

void CAlarmEditDlg::EnableDays()
{
    const bool onDays = IsDlgButtonChecked(m_hWnd, IDC_ALARM_ON_DAYS) == BST_CHECKED;
    for (int box = 0; box < 7; ++box)
        ::EnableWindow(GetDlgItem(m_hWnd, IDC_ALARM_MONDAY + box), onDays);
    ::EnableWindow(GetDlgItem(m_hWnd, IDOK), !onDays || CheckedDays() != 0);
}

void CAlarmEditDlg::OnRepeatChanged() { EnableDays(); }

void CAlarmEditDlg::OnOK()
{
    // Enter reaches here too, OK enabled or not.
    if (!::IsWindowEnabled(GetDlgItem(m_hWnd, IDOK)))
        return;
    SYSTEMTIME time{};
    if (SendDlgItemMessageW(m_hWnd, IDC_ALARM_TIME, DTM_GETSYSTEMTIME, 0,
                            reinterpret_cast<LPARAM>(&time)) == GDT_VALID) {
        m_alarm.hour = time.wHour;
        m_alarm.minute = time.wMinute;
    }
    m_alarm.once = IsDlgButtonChecked(m_hWnd, IDC_ALARM_ONCE) == BST_CHECKED;
    m_alarm.days = m_alarm.once                                                 ? 0
                   : IsDlgButtonChecked(m_hWnd, IDC_ALARM_DAILY) == BST_CHECKED ? alarms::kEveryDay
                                                                                : CheckedDays();
    m_alarm.label = GetDlgItemText(IDC_ALARM_LABEL);
    m_alarm.sound = GetDlgItemText(IDC_ALARM_SOUND);
    m_alarm.on = IsDlgButtonChecked(m_hWnd, IDC_ALARM_ON) == BST_CHECKED;
    CDialog::OnOK();
}

void CAlarmEditDlg::OnBrowse()
{
    CFileDialog dlg(nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                    "WAV files (*.wav)|*.wav||", this);
    // The folder of the sound in the box, or the system's sounds.
    const std::string sound = GetDlgItemText(IDC_ALARM_SOUND);
    dlg.SetInitialDir(sound.empty() ? SystemSoundsFolder() : FolderAbove(sound));
    if (dlg.DoModal() == IDOK)
        SetDlgItemText(IDC_ALARM_SOUND, dlg.GetPathName());
}

void CAlarmEditDlg::OnPlay()
{
    // What the box holds, applied or not; the dialog waits until it has
    // played, as the options dialog's button does.
    m_sound.PlayToEnd(GetDlgItemText(IDC_ALARM_SOUND), face::SoundUse::Alarm);
}

#include "alarmsui/alarms_dlg.h"

#include "alarmsui/alarm_edit_dlg.h"
#include "framework/common_controls.h"
#include "framework/text.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// The list's columns, by their width in dialog units; the label takes
// what the others leave.
constexpr int kTimeColumnWidth = 50;
constexpr int kRepeatColumnWidth = 70;

// The state image of a row's box: 1 unchecked, 2 checked.
UINT CheckState(bool on) { return INDEXTOSTATEIMAGEMASK(on ? 2 : 1); }

void SetCell(HWND list, int row, int column, const std::string& text)
{
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = &wide[0];
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void SetRowState(HWND list, int row, UINT state, UINT mask)
{
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace

CAlarmsDlg::CAlarmsDlg(std::vector<alarms::Alarm> alarms, CWnd* pParent)
    : CDialog(IDD, pParent), m_alarms(std::move(alarms))
{
    InitCommonControlsLate(ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES);
}

BEGIN_MESSAGE_MAP(CAlarmsDlg)
ON_BN_CLICKED(IDC_ALARMS_ADD, OnAdd)
ON_BN_CLICKED(IDC_ALARMS_EDIT, OnEdit)
ON_BN_CLICKED(IDC_ALARMS_DELETE, OnDelete)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_ALARMS_LIST, OnListItemChanged)
ON_NOTIFY(NM_DBLCLK, IDC_ALARMS_LIST, OnListDoubleClick)
END_MESSAGE_MAP()

BOOL CAlarmsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list = GetDlgItem(m_hWnd, IDC_ALARMS_LIST);
    SendMessageW(m_list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT widths{ 0, 0, kTimeColumnWidth, kRepeatColumnWidth };
    MapDialogRect(m_hWnd, &widths);
    RECT client;
    ::GetClientRect(m_list, &client);
    const int pixels[] = { widths.right, widths.bottom,
                           client.right - widths.right - widths.bottom -
                               GetSystemMetrics(SM_CXVSCROLL) };
    const wchar_t* const titles[] = { L"Time", L"Repeat", L"Label" };
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = pixels[i];
        column.pszText = const_cast<wchar_t*>(titles[i]);
        SendMessageW(m_list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    FillList(m_alarms.empty() ? -1 : 0);
    // The focus is the list's.
    return FALSE;
}

void CAlarmsDlg::FillList(int selected)
{
    m_filling = true;
    SendMessageW(m_list, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < static_cast<int>(m_alarms.size()); ++row) {
        const alarms::Alarm& alarm = m_alarms[row];
        std::wstring time = Widen(alarms::TimeText(alarm));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = &time[0];
        SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        SetCell(m_list, row, 1, alarms::RepeatText(alarm));
        SetCell(m_list, row, 2, alarm.label);
        SetRowState(m_list, row, CheckState(alarm.on), LVIS_STATEIMAGEMASK);
    }
    if (selected >= 0) {
        SetRowState(m_list, selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        SendMessageW(m_list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
    }
    m_filling = false;
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_list), TRUE);
    EnableButtons();
}

int CAlarmsDlg::Selected() const
{
    return static_cast<int>(
        SendMessageW(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CAlarmsDlg::EnableButtons()
{
    ::EnableWindow(GetDlgItem(m_hWnd, IDC_ALARMS_ADD),
                   m_alarms.size() < static_cast<size_t>(alarms::kMaxAlarms));
    const bool selected = Selected() >= 0;
    ::EnableWindow(GetDlgItem(m_hWnd, IDC_ALARMS_EDIT), selected);
    ::EnableWindow(GetDlgItem(m_hWnd, IDC_ALARMS_DELETE), selected);
}

LRESULT CAlarmsDlg::OnListItemChanged(NMHDR* header)
{
    const NMLISTVIEW& change = *reinterpret_cast<const NMLISTVIEW*>(header);
    if (m_filling || (change.uChanged & LVIF_STATE) == 0)
        return 0;
    // A click on a row's box switches its alarm.
    if (((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) != 0 && change.iItem >= 0 &&
        change.iItem < static_cast<int>(m_alarms.size()))
        m_alarms[change.iItem].on = (change.uNewState & LVIS_STATEIMAGEMASK) == CheckState(true);
    EnableButtons();
    return 0;
}

LRESULT CAlarmsDlg::OnListDoubleClick(NMHDR*)
{
    OnEdit();
    return 0;
}

void CAlarmsDlg::OnAdd()
{
    if (m_alarms.size() >= static_cast<size_t>(alarms::kMaxAlarms))
        return;
    // Seven in the morning, once: the commonest alarm is one to wake by.
    alarms::Alarm alarm;
    alarm.hour = 7;
    CAlarmEditDlg dlg(alarm, this);
    if (dlg.DoModal() != IDOK)
        return;
    m_alarms.push_back(dlg.GetAlarm());
    FillList(static_cast<int>(m_alarms.size()) - 1);
}

void CAlarmsDlg::OnEdit()
{
    const int row = Selected();
    if (row < 0)
        return;
    CAlarmEditDlg dlg(m_alarms[row], this);
    if (dlg.DoModal() != IDOK)
        return;
    m_alarms[row] = dlg.GetAlarm();
    FillList(row);
}

void CAlarmsDlg::OnDelete()
{
    const int row = Selected();
    if (row < 0)
        return;
    m_alarms.erase(m_alarms.begin() + row);
    FillList(std::min(row, static_cast<int>(m_alarms.size()) - 1));
}

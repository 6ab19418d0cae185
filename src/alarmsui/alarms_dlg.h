// CAlarmsDlg: the list of the clock's alarms - each with its on/off box,
// its time, repeat and label - with Add, Edit and Delete, at most
// alarms::kMaxAlarms of them. It edits a copy of the alarms and hands the
// edited list back after OK, for the clock to apply and keep; it never
// reaches into the clock.
#pragma once

#include "alarms/alarm.h"
#include "framework/dialog.h"
#include "res/resource.h"

#include <vector>

class CAlarmsDlg : public CDialog {
public:
    enum { IDD = IDD_ALARMS };

    explicit CAlarmsDlg(std::vector<alarms::Alarm> alarms, CWnd* pParent = nullptr);

    // The list as edited: after IDOK, the one the user wants.
    const std::vector<alarms::Alarm>& Alarms() const { return m_alarms; }

protected:
    const CMessageMapEntry* GetMessageMap() const override;
    BOOL OnInitDialog() override;

private:
    void OnAdd();
    void OnEdit();
    void OnDelete();
    LRESULT OnListItemChanged(NMHDR* header);
    LRESULT OnListDoubleClick(NMHDR* header);

    // Every row made anew from the list, row `selected` selected; the list
    // takes the focus, since a button that had it may be disabled now.
    void FillList(int selected);
    // The selected row, or -1.
    int Selected() const;
    // Add while there is room, Edit and Delete while a row is selected.
    void EnableButtons();

    std::vector<alarms::Alarm> m_alarms;
    HWND m_list = nullptr;
    // Set while the rows are filled, when their boxes change without the
    // user.
    bool m_filling = false;
};

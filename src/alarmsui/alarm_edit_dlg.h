// CAlarmEditDlg: one alarm edited - its time in a time picker, its repeat
// (once, every day or chosen days), its label, its sound (a WAV file
// browsed for and tried, or none for the system's alarm sound) and its
// switch. It edits a copy, which the opener takes after OK.
#pragma once

#include "alarms/alarm.h"
#include "face/sound_player.h"
#include "framework/button.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "res/resource.h"

class CAlarmEditDlg : public CDialog {
public:
    enum { IDD = IDD_ALARM_EDIT };

    explicit CAlarmEditDlg(alarms::Alarm alarm, CWnd* pParent = nullptr);

    // After IDOK, the alarm as the user set it.
    const alarms::Alarm& GetAlarm() const { return m_alarm; }
    // What the test button plays the sound with. Tests hand in a recorder.
    void SetPlaySound(face::PlaySoundFunction play) { m_sound = face::SoundPlayer(play); }

protected:
    const CMessageMapEntry* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // A repeat or a day was clicked.
    void OnRepeatChanged();
    void OnBrowse();
    void OnPlay();

    // The days' boxes only for "On these days", and OK only with a day
    // checked then: an alarm without a day would never ring.
    void EnableDays();
    // The checked days as alarms::Alarm::days counts them.
    std::uint8_t CheckedDays() const;

    alarms::Alarm m_alarm;
    face::SoundPlayer m_sound;
    CBitmap m_playBitmap;
    CButton m_btnPlay;
};

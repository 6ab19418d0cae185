// COptions: the options dialog. It edits a copy of the clock's settings -
// the chime, the texts and the panel, the face's colours and pen widths,
// "Always on top" - and the start with the system, and hands the copy back
// at Apply. It browses for and tries the chime sound, and saves the
// settings file through the clock.
#pragma once

#include "face/sound_player.h"
#include "framework/button.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "options/options_target.h"
#include "res/resource.h"

#include <string>
#include <vector>

class COptions : public CDialog {
public:
    enum { IDD = IDD_OPTIONS };

    explicit COptions(CWnd* pParent = nullptr);
    ~COptions() override;

    // What the test button plays the sound with. Tests hand in a recorder.
    void SetPlaySound(face::PlaySoundFunction play) { m_sound = face::SoundPlayer(play); }

    // Cleared by the first paint, which puts the picture on the test button.
    bool m_bFirstPaint;
    CBitmap m_hPlayBitmap;
    // The clock whose settings the dialog edits; the opener sets it before
    // DoModal.
    OptionsTarget* m_pTarget = nullptr;
    CButton m_btnDigitalPanel;
    CButton m_btnPlay;

protected:
    const CMessageMapEntry* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void OnBnClickedButtonBrowse();
    void OnBnClickedButtonApply();
    void OnBnClickedButtonSave();
    void OnBnClickedButtonPlay();
    void OnPaint();
    void OnBnClickedButtonColor(int id);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    // Checks "Load at system start" when the Run value names this program,
    // whatever the box showed before.
    void ShowStartedWithSystem();

    // The colour a colour button chooses and shows, or null for another
    // control.
    face::Rgb* ColorOfButton(int id);
    // "Local time", then every zone Windows knows, the clock's selected.
    void FillTimeZones();

    face::SoundPlayer m_sound;
    // The settings as the dialog last took them from its boxes, and the
    // colours as chosen here; the clock takes them at Apply.
    settings::ClockSettings m_settings;
    // The key names of the time-zone list's items; "" for "Local time".
    std::vector<std::string> m_zoneKeys;
    // The colour dialog's custom colours, kept while the program runs.
    static COLORREF s_customColors[16];
};

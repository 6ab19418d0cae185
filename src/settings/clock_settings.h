// ClockSettings: every setting the clock keeps in zentim.ini, holding what
// a clock has before any file is read.
#pragma once

#include "alarms/alarm.h"
#include "face/face_style.h"

#include <string>
#include <vector>

namespace settings {

struct ClockSettings {
    int m_nKukuType = 0;          // minutes between chimes, 0 = no chime
    std::string m_strKukuSound;   // WAV file played at a chime
    int m_nKukuFlashCount = 0;    // flashes at a chime
    std::string m_strUpStr;       // text above the centre
    std::string m_strDownStr;     // text below the centre
    int m_nDigitalPanel = 0;      // 1 = the digital panel is drawn
    face::FaceStyle m_style;      // colours and pen widths of the face
    bool m_bAlwaysOnTop = true;   // above ordinary windows, or one of them
    bool m_bSmoothFace = false;   // anti-aliased, with a soft round edge
    int m_nOpacity = kMaxOpacity; // percent, kMinOpacity..kMaxOpacity
    bool m_bClickThrough = false; // clicks pass to the window below
    bool m_bDateWindow = false;   // the weekday and the day on the dial
    std::string m_strTimeZone;    // a zone's key name; "" for the machine's
    bool m_bSecondHand = true;    // without it the face changes once a minute
    // hidden while a full-screen program is in front
    bool m_bHideFullScreen = true;

    static constexpr int kMinOpacity = 20;
    static constexpr int kMaxOpacity = 100;

    // At most alarms::kMaxAlarms, in the order the user put them.
    std::vector<alarms::Alarm> m_alarms;

    bool operator==(const ClockSettings& o) const
    {
        return m_nKukuType == o.m_nKukuType && m_strKukuSound == o.m_strKukuSound &&
               m_nKukuFlashCount == o.m_nKukuFlashCount && m_strUpStr == o.m_strUpStr &&
               m_strDownStr == o.m_strDownStr && m_nDigitalPanel == o.m_nDigitalPanel &&
               m_style == o.m_style && m_bAlwaysOnTop == o.m_bAlwaysOnTop &&
               m_bSmoothFace == o.m_bSmoothFace && m_nOpacity == o.m_nOpacity &&
               m_bClickThrough == o.m_bClickThrough && m_bDateWindow == o.m_bDateWindow &&
               m_strTimeZone == o.m_strTimeZone && m_bSecondHand == o.m_bSecondHand &&
               m_bHideFullScreen == o.m_bHideFullScreen && m_alarms == o.m_alarms;
    }
};

} // namespace settings

// ClockSettings: every setting the clock keeps in zentim.ini, holding what
// a clock has before any file is read.
#pragma once

#include "alarms/alarm.h"
#include "face/face_style.h"

#include <string>
#include <vector>

namespace settings {

struct ClockSettings {
    int m_nKukuType = 0;        // minutes between chimes, 0 = no chime
    std::string m_strKukuSound; // WAV file played at a chime
    int m_nKukuFlashCount = 0;  // flashes at a chime
    std::string m_strUpStr;     // text above the centre
    std::string m_strDownStr;   // text below the centre
    int m_nDigitalPanel = 0;    // 1 = the digital panel is drawn
    face::FaceStyle m_style;    // colours and pen widths of the face
    bool m_bAlwaysOnTop = true; // above ordinary windows, or one of them

    // At most alarms::kMaxAlarms, in the order the user put them.
    std::vector<alarms::Alarm> m_alarms;

    bool operator==(const ClockSettings& o) const
    {
        return m_nKukuType == o.m_nKukuType && m_strKukuSound == o.m_strKukuSound &&
               m_nKukuFlashCount == o.m_nKukuFlashCount && m_strUpStr == o.m_strUpStr &&
               m_strDownStr == o.m_strDownStr && m_nDigitalPanel == o.m_nDigitalPanel &&
               m_style == o.m_style && m_bAlwaysOnTop == o.m_bAlwaysOnTop && m_alarms == o.m_alarms;
    }
};

} // namespace settings

#include "settings/load_attempts.h"

namespace settings {

void LoadAttempts::Begin()
{
    m_unreadableSince.reset();
    m_reported = false;
}

LoadAttempts::Next LoadAttempts::After(FileState state, std::uint64_t nowMs)
{
    if (state != FileState::Unreadable) {
        m_settled = true;
        Begin();
        return { false, std::nullopt };
    }
    if (!m_unreadableSince)
        m_unreadableSince = nowMs;
    const bool late = nowMs - *m_unreadableSince >= static_cast<std::uint64_t>(kReportAfterMs);
    const bool report = late && !m_reported;
    m_reported = m_reported || report;
    return { report, late ? kBackgroundRetryMs : kQuickRetryMs };
}

} // namespace settings

// LoadAttempts: when to try zentim.ini again, when to say it cannot be
// read, and whether a save may write over it, free of any platform API.
// Another program (a sync client, a virus scanner) may hold the file for a
// moment. That is no missing file: its settings must appear once it is
// free, and a save before then would replace every one of them with what
// the clock happens to show.
#pragma once

#include <cstdint>
#include <optional>

namespace settings {

enum class FileState { Read, Missing, Unreadable };

class LoadAttempts {
public:
    // Quiet tries in the first seconds, then one line to the user and tries
    // in the background until the file can be read.
    static constexpr int kQuickRetryMs = 250;
    static constexpr int kReportAfterMs = 3000;
    static constexpr int kBackgroundRetryMs = 2000;

    struct Next {
        bool report;                  // say now that the file cannot be read
        std::optional<int> retryInMs; // when to try again, if at all
    };

    // A load the user asked for, or the one at start: a file still held
    // is reported again after its quiet tries.
    void Begin();
    // What follows an attempt that found the file in `state` at nowMs.
    Next After(FileState state, std::uint64_t nowMs);
    // False from a start whose file could not be read until a later attempt
    // reads it (or finds it gone).
    bool MaySave() const { return m_settled; }

private:
    std::optional<std::uint64_t> m_unreadableSince;
    bool m_reported = false;
    bool m_settled = false;
};

} // namespace settings

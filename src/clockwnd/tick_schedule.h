// When the clock's timer fires next. A fixed 1000 ms period fires at
// whatever phase the clock happened to start in, up to a second after the
// face should have changed, and drifts with every late tick; so each tick
// is armed afresh for just after the next second boundary.
#pragma once

namespace clockwnd {

// Time after a boundary at which the tick lands, so that a timer that is
// exactly on time never fires a hair before the second changes.
constexpr int kTickSlackMs = 3;

// Milliseconds from now until kTickSlackMs past the next second boundary,
// given how far into the current second now is (0..999).
int DelayToNextTickMs(int millisecond);
// The same for the next minute boundary, given the second (0..59) and the
// millisecond: a clock without its second hand wakes once a minute.
int DelayToNextMinuteMs(int second, int millisecond);

} // namespace clockwnd

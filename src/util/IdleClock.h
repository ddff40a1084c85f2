// The millisecond part of the toolkit's time of day. It is not read from a clock: the event
// loop advances it by 10 (modulo 1000) for each 10 ms it waited without an X event, so it runs
// 0..990 and stands still while events keep the loop busy. Process-wide, like the loop.
#pragma once

namespace tessarin {

int IdleMilliseconds();
void AdvanceIdleMilliseconds(int ms);
// Back to 0. For a fresh start of the process state.
void ResetIdleMilliseconds();

}  // namespace tessarin

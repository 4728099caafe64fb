// Scheduling priority of the calling thread, for the few threads whose timing the user sees
// (sound-reactive lighting follows the music by its pauses).
#pragma once

namespace karvo::process {

// Raises the calling thread's priority above normal as far as the system allows an ordinary
// user (on Linux a lower nice value, within RLIMIT_NICE; more for a privileged process).
// False when nothing could be raised: the thread then runs at normal priority.
bool raiseThreadPriority();

}  // namespace karvo::process

// Real-time scheduling for the one thread whose timing the user feels: host-side macro
// playback. On a busy machine an ordinary thread wakes up to a few milliseconds late behind
// compilers and browsers; a real-time one is run as soon as its timer fires.
#pragma once

#include <string>

namespace karvo {

class ThreadPriority {
  public:
    struct Outcome {
        bool realtime = false;
        std::string how;  // how it was granted, or why not (one line for the user)
    };

    virtual ~ThreadPriority() = default;

    // Asks for real-time scheduling of the calling thread (a low real-time priority; threads
    // it starts do not inherit it). Never fails loudly: the outcome says what happened.
    virtual Outcome makeCallingThreadRealtime() = 0;
};

}  // namespace karvo

// Sound-reactive lighting follows the music by its pauses: its thread runs above normal.
namespace karvo::process {

// Raises the calling thread's priority above normal as far as the system allows an ordinary
// user (on Linux a lower nice value, within RLIMIT_NICE; more for a privileged process).
// False when nothing could be raised: the thread then runs at normal priority.
bool raiseThreadPriority();

}  // namespace karvo::process

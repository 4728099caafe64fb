// The signals that ask the program to end (SIGTERM at logout or system shutdown, SIGINT from a
// terminal, SIGHUP when the terminal goes away), turned into a readable file descriptor. The
// window thread watches it and runs the program's own shutdown path, so the mouse still gets
// its closing reports; the handler itself only writes a byte, which is all a handler may do.
#pragma once

#include <chrono>

namespace karvo {

class TerminationSignals {
  public:
    // Installs the handlers; only one object may exist at a time. A request often arrives twice
    // at once (`timeout` and a session manager signal the process and then its whole group), so
    // repeats within `repeatGrace` of the first are the same request. A signal after that (the
    // user insisting while shutdown hangs) ends the program the system's way.
    explicit TerminationSignals(std::chrono::milliseconds repeatGrace = std::chrono::seconds(1));
    ~TerminationSignals();  // puts the previous handlers back
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe or a handler could not be set up; the signals then act as before.
    bool ok() const { return ok_; }
    // Readable when a signal was caught.
    int fileDescriptor() const { return readFd_; }
    // How many signals were caught since the last call; never blocks.
    int takePending();

  private:
    bool ok_ = false;
    int readFd_ = -1;
};

}  // namespace karvo

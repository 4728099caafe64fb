// DeviceCommands: the commands that talk to the mouse: devices, status, read, apply and
// verify. Each finds the mouse through the session (the real one, or the emulated one with
// --simulate) and reports what it got on stdout, notices and failures on stderr.
#pragma once

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

class DeviceCommands {
  public:
    static int devices(Session& session, Arguments& args);
    static int status(Session& session, Arguments& args);
    static int read(Session& session, Arguments& args);
    static int apply(Session& session, Arguments& args);
    static int verify(Session& session, Arguments& args);

    // Memory reads travel in blocks of this many bytes, as the download writes them.
    static constexpr std::size_t kReadBlock = 8;
    // The time a read of `bytes` bytes in blocks of kReadBlock takes: 4 ms a byte and 4 ms a
    // block of protocol pauses.
    static std::chrono::milliseconds readDuration(std::size_t bytes);
};

}  // namespace karvo::cli

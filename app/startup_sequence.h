// The start-up of the main window, in its fixed order: device threads and blink thread first,
// then the layout scale, the configuration (device description, current profile, language,
// the four profiles), fonts, texts and skin, the child controls, device notifications, the
// window's shape with the macro page's paint region, the macro libraries, and last the search
// for the mouse with what follows a find.
#pragma once

#include <string_view>

#include "app/blink_thread.h"
#include "app/device_threads.h"
#include "app/program_state.h"
#include "app/startup_platform.h"
#include "app/window_host.h"
#include "platform/message_queue.h"
#include "ui/dialogs/warning_dlg.h"

namespace karvo {

class StartupSequence {
  public:
    enum class Result {
        Running,       // the mouse was found; the window runs and the download has started
        NoMouse,       // TipText 1 was shown; the program ends
        MissingFiles,  // the language text or a layout file is missing; the program ends
    };

    struct Services {
        StartupPlatform& platform;
        WindowHost& host;
        MessageQueue& queue;
        Notifier& notifier;
        DeviceThreads& deviceThreads;
        BlinkThread* blink = nullptr;   // null in tests that do not want a thread
        WarningDlg* warning = nullptr;  // given the texts and layout once they are loaded
    };

    StartupSequence(ProgramState& state, Services services);
    Result run(std::string_view commandLine);

  private:
    void afterFind();

    ProgramState& state_;
    Services services_;
};

}  // namespace karvo

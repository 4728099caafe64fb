// The seam where the two device threads (the event thread that follows the mouse's own profile
// and DPI switches, and the host-side macro playback) join the window program. Start-up calls
// makeDeviceThreads() once and start() as its first real step, before any file is read: the
// threads wait on the link and the settings that start-up fills in later.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "device/device_link.h"
#include "device/downloader.h"
#include "device/macro_sources.h"
#include "platform/thread_priority.h"
#include "settings/device_description.h"
#include "settings/profile_store.h"
#include "settings/settings_model.h"

namespace karvo {

// Everything the device threads borrow; it all outlives them.
struct DeviceThreadContext {
    device::DeviceLink& link;
    SettingsModel& settings;
    const ProfileStore& store;
    device::MacroSources& macros;  // the event thread writes the mouse's adjustment back
    const DeviceDescription& description;
    const device::Downloader& downloader;  // the marks of the last download
    // Asks for a repaint of the main window. Callable from any thread: it only posts.
    std::function<void()> requestRepaint;
};

class DeviceThreads {
  public:
    virtual ~DeviceThreads() = default;
    virtual void start(const DeviceThreadContext& context) = 0;
    // The mouse was removed: the threads stop touching it (a playing macro ends before its
    // next step) but stay alive, as the program ends or finds the mouse again.
    virtual void suspend() = 0;
    // Ends both threads and waits for them (shutdown). Safe to call twice.
    virtual void stop() = 0;

    // The copy of the mouse's DPI level that sound-reactive lighting names in its colour
    // command: the sound dialog's opener stores the level it read from the mouse, the playback
    // thread each level it follows. -1 until either has happened.
    virtual int dpiLevelCopy() const { return -1; }
    virtual void setDpiLevelCopy(int) {}
};

// The program's device threads: the event thread that follows the mouse's reports and the
// host-side macro playback, on the real clock. With `priority`, the playback thread asks for
// real-time scheduling as it starts; when that is refused, `say` gets one line saying so.
std::unique_ptr<DeviceThreads> makeDeviceThreads(ThreadPriority* priority = nullptr,
                                                 std::function<void(const std::string&)> say = {});

}  // namespace karvo

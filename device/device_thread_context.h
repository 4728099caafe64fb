// DeviceThreadContext: the program's objects the two device threads work with, all borrowed
// from the main window, which owns them for the whole run and outlives the threads.
#pragma once

#include <memory>

#include "device/device_link.h"
#include "device/device_memory_image.h"
#include "device/downloader.h"
#include "device/key_assignments.h"
#include "device/macro_sources.h"
#include "device/repaint_request.h"
#include "settings/device_description.h"
#include "settings/profile_store.h"
#include "settings/settings_model.h"

namespace karvo::device {

struct DeviceThreadContext {
    DeviceLink& link;                      // commands, and the input handle the event thread reads
    SettingsModel& settings;               // changed only through its lock
    const DeviceDescription& description;  // KeyNum and the map between slots and device keys
    const ProfileStore& store;             // CurConfig, the profile load, DPI_LEVEL
    MacroSources& sources;                 // macros to play; the adjusted macro is written back
    const Downloader& downloader;          // the marks of the last download
    RepaintRequest& repaint;

    // The marks of (profile, slot) that the last download computed (host-notified, profile
    // switch, DPI key and the device function code); all clear before the first download.
    SlotFunction marksOf(int profile, int slot) const {
        const std::shared_ptr<const DeviceMemoryImage> image = downloader.lastImage();
        return image ? image->assignments().slot(profile, slot) : SlotFunction{};
    }
};

}  // namespace karvo::device

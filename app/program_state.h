// Everything the main window owns for the whole run: paths, device description, settings,
// profile store, language texts, skin, macro library and the link to the mouse with its
// discovery and download. Built empty; the start-up sequence fills it in its order.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "device/device_discovery.h"
#include "device/device_link.h"
#include "device/downloader.h"
#include "macro/mac_vk_and_text.h"
#include "platform/system_clock.h"
#include "services/language_text.h"
#include "services/macro_library.h"
#include "services/program_paths.h"
#include "settings/device_description.h"
#include "settings/profile_store.h"
#include "settings/settings_model.h"
#include "ui/skin/main_skin.h"
#include "ui/skin/paint_region.h"

namespace karvo {

struct ProgramState {
    // Nothing is read here; `notifier` and `pointer` outlive the state. `where` comes from
    // locateProgram (or ProgramPaths::build for a program folder) in any language; start-up
    // sets the stored one.
    ProgramState(const ProgramPaths& where, Notifier& notifier, PointerSettings& pointer);

    ProgramPaths paths;
    DeviceDescription description;
    MacVkAndText keys;
    SettingsModel settings;
    ProfileStore store;
    LanguageTextTable texts;
    MainSkin skin;
    MacroLibrary macros;
    SystemClock clock;
    device::DeviceLink link{clock};
    std::unique_ptr<device::DeviceDiscovery> discovery;  // made once the description is read
    device::Downloader downloader;
    // The macro page's paint region, built once the window has its size and again with the
    // skin.
    PaintRegion macroRegion;

    int layoutScale = 1;
    int screenWidth = 0;
    int screenHeight = 0;
    int language = 1;
    std::string configNum;
    bool hideAtStart = false;
    bool embeddedFontsDone = false;
};

}  // namespace karvo

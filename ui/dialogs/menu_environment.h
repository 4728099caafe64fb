// What the pop-up menus read and change: the window's settings, its message queue, the
// language texts and skin (function names), the macro groups, the program's paths, and where
// notices go. The main window owns all of it; the menus keep references.
#pragma once

#include <functional>

#include "platform/message_queue.h"
#include "platform/notifier.h"
#include "services/language_text.h"
#include "services/macro_library.h"
#include "services/program_paths.h"
#include "settings/settings_model.h"
#include "ui/dialogs/popup_host.h"
#include "ui/skin/main_skin.h"

namespace karvo {

struct MenuEnvironment {
    SettingsModel& settings;
    MessageQueue& queue;
    const LanguageTextTable& texts;
    const MainSkin& skin;
    MacroLibrary& macros;
    const ProgramPaths& paths;
    PopupHost& host;
    Notifier& notifier;
    std::function<int()> keyNum;  // the mouse's buttons (KeyNum), read when a menu acts
};

}  // namespace karvo

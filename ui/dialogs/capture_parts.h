// What the two key capture dialogs share: where they run and draw, the keyboard capture, the
// key tables and texts, and the folders their pictures and layout come from.
#pragma once

#include <filesystem>
#include <functional>

#include "macro/mac_vk_and_text.h"
#include "platform/key_capture.h"
#include "platform/message_queue.h"
#include "platform/notifier.h"
#include "services/language_text.h"
#include "ui/dialogs/modal_runner.h"

namespace karvo {

struct CaptureParts {
    ModalRunner& runner;
    KeyCapture& capture;
    MessageQueue& queue;
    const MacVkAndText& keys;
    const LanguageTextTable& texts;
    Notifier& notifier;
    std::filesystem::path skinFolder;
    std::function<std::filesystem::path()> languageFolder;  // follows a language switch
    std::function<int()> language;                          // the program's keyboard language
    int scale = 1;
};

// The English name of a virtual key, as the capture dialogs show keys whatever the language.
std::string englishKeyName(const MacVkAndText& keys, int virtualKey);

}  // namespace karvo

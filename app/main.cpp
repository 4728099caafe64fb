// Entry point of the window program. Until the window exists it loads the configuration the
// way start-up does (device description, current profile, language, the four profiles) and
// prints what it loaded, so the data tree and the settings can be checked from a terminal.
#include <cstdio>
#include <iostream>
#include <string>

#include "app/program_paths.h"
#include "macro/mac_vk_and_text.h"
#include "platform/notifier.h"
#include "platform/process.h"
#include "settings/combination.h"
#include "settings/device_description.h"
#include "settings/profile_store.h"

namespace {

// Notices go to stderr until the warning window takes them over.
class ConsoleNotifier final : public karvo::Notifier {
  public:
    void tipText(int index, std::string_view suffix) override {
        std::cerr << "warning: " << englishTip(index) << suffix << '\n';
    }
    void message(std::string_view text) override { std::cerr << "warning: " << text << '\n'; }

  private:
    static std::string englishTip(int index) {
        switch (index) {
            case 1:
                return "No mouse found: ";
            case 4:
                return "A configuration file is missing.";
            case 5:
                return "A file was not found after copying it.";
            case 8:
                return "The configuration file is for another product.";
            default:
                return "Notice " + std::to_string(index) + ". ";
        }
    }
};

void printUsage() {
    std::cout << "usage: karvo-gmouse [--simulate] [-HIDE]\n"
                 "  --simulate  use the emulated mouse when no mouse is attached\n"
                 "  -HIDE       start minimised (the last argument)\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printUsage();
            return 0;
        }
        commandLine += (i ? " " : "") + arg;
    }

    ConsoleNotifier notifier;
    karvo::ProgramPaths paths =
        karvo::ProgramPaths::build(karvo::process::executableFolder(argv[0]), 0);
    const auto device = karvo::DeviceDescription::read(paths.configFile, notifier);
    const karvo::MacVkAndText keys;
    karvo::ProfileStore store(paths.configFolder, keys, notifier);
    const int language = store.readLanguage();
    paths.setLanguage(language);

    karvo::SettingsModel model;
    const int current = store.readCurrentProfile();
    model.edit([&](karvo::Settings& s) {
        s.currentProfile = current;
        s.language = language;
    });
    for (int p = 0; p < karvo::kProfiles; ++p) {
        store.loadProfile(model, p, karvo::ProfileStore::Source::Config);
    }
    const karvo::Settings s = model.snapshot();

    std::cout << device.productName(language) << " (" << device.keyNum << " buttons)\n"
              << "data: " << paths.skinFolder.string() << '\n'
              << "language " << language << ", profile " << s.currentProfile + 1 << ", DPI level "
              << s.shared.dpiLevel + 1
              << (karvo::startsHidden(commandLine) ? ", starting hidden" : "") << '\n';
    for (int p = 0; p < karvo::kProfiles; ++p) {
        std::cout << "profile " << p + 1 << ':';
        for (int b = 0; b < device.keyNum; ++b) {
            const auto& button = s.profiles[p].buttons[b];
            std::cout << ' '
                      << (button.function == karvo::kFunctionCombination
                              ? karvo::combination::displayText(button.combination)
                              : std::to_string(button.function));
        }
        std::cout << '\n';
    }
    return 0;
}

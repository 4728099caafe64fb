// The window's entries carried out on the program's state: apply (save, then write the mouse
// on a worker), the configuration file's import, export and reset, the macro groups' files,
// the selected macro's playback mode and the page threads.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/program_state.h"
#include "app/window_actions.h"
#include "platform/file_dialog.h"
#include "platform/message_queue.h"
#include "services/autostart.h"

namespace karvo {

class BlinkThread;
class LightingAnimation;
class MacroPageControls;

class ProgramActions final : public WindowActions {
  public:
    struct Parts {
        ProgramState& state;
        MessageQueue& queue;
        Notifier& notifier;
        FileDialog* files = nullptr;  // macro group import and export
        MacroPageControls* macroPage = nullptr;
        BlinkThread* blink = nullptr;
        LightingAnimation* lighting = nullptr;
        // Starting with the session: the user's autostart folder (none: it cannot be set), and
        // the window program with the arguments it is started with (--data DIR).
        std::optional<Autostart> autostart = std::nullopt;
        std::filesystem::path windowProgram = {};
        std::vector<std::string> programArguments = {};
    };
    explicit ProgramActions(Parts parts) : parts_(std::move(parts)) {}
    ~ProgramActions() override;  // waits for a running apply
    ProgramActions(const ProgramActions&) = delete;
    ProgramActions& operator=(const ProgramActions&) = delete;

    bool startApply() override;
    bool startFullApply() override;
    bool startRewrite() override;
    bool writing() const override;
    // Waits until a running apply or rewrite has ended.
    void waitForApply();

    void importConfig(const std::filesystem::path& file) override;
    void exportConfig(const std::filesystem::path& file) override;
    void resetAll() override;
    std::filesystem::path programFolder() const override;
    std::optional<bool> autostartEnabled() const override;
    std::string setAutostart(bool on) override;

    // The group files' dialogs show these, and start in the macro folder.
    static constexpr std::string_view kGroupFileFilter = "All Files(*.dat)";
    void macroGroupFile(int command) override;
    bool macroGroupSelected() const override;
    bool setPlaybackMode(int mode) override;
    void refreshMacroPage() override;

    void startBlink() override;
    void startLightingAnimation() override;

  private:
    bool startWrite(bool save, device::Downloader::Writes writes);
    // The open macro, [Init] CurConfig and the four profiles; false when a file could not be
    // written (the notice is shown).
    bool saveEverything();

    Parts parts_;
    std::atomic<bool> running_{false};
    std::mutex workerLock_;
    std::thread worker_;
};

}  // namespace karvo

// A window host and a message queue that only record, for tests of window controllers, and a
// modal runner that plays a scripted dialog session.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/window_host.h"
#include "platform/file_dialog.h"
#include "platform/message_queue.h"
#include "ui/dialogs/modal_runner.h"

namespace karvo::testing {

class FakeWindow final : public WindowHost {
  public:
    void invalidate() override { ++invalidated; }
    void minimise() override { calls.push_back("minimise"); }
    void restore() override { calls.push_back("restore"); }
    void hide() override {
        calls.push_back("hide");
        isHidden = true;
    }
    void close() override { calls.push_back("close"); }
    void startSystemMove() override { calls.push_back("move"); }
    void addTrayIcon() override { calls.push_back("tray on"); }
    void removeTrayIcon() override { calls.push_back("tray off"); }
    bool trayIconShown() const override { return hasTray; }
    void setTrayMenu(std::vector<TrayMenuItem> items) override { trayMenu = std::move(items); }
    void messageBox(std::string_view text) override { calls.push_back("box " + std::string(text)); }
    // Records the menu and where it opened, and answers with `menuChoice`.
    std::uintptr_t showSystemMenu(std::int32_t x, std::int32_t y,
                                  std::span<const SystemMenuEntry> entries) override {
        calls.push_back("system menu");
        menuPoint = {x, y};
        menuEntries.assign(entries.begin(), entries.end());
        return menuChoice;
    }
    void showAbout() override { calls.push_back("about"); }
    SkinRect frame() const override { return frameRect; }
    bool hidden() const override { return isHidden; }
    SkinRect workArea() const override { return work; }
    void openUrl(std::string_view url) override { calls.push_back("url " + std::string(url)); }
    std::optional<std::pair<std::int32_t, std::int32_t>> cursor() const override { return pointer; }

    int invalidated = 0;
    std::vector<std::string> calls;
    std::vector<TrayMenuItem> trayMenu;
    SkinRect frameRect{100, 50, 1100, 700};
    bool isHidden = false;
    bool hasTray = true;
    SkinRect work;
    std::uintptr_t menuChoice = 0;
    std::optional<std::pair<std::int32_t, std::int32_t>> pointer;  // nothing: unknown
    std::pair<std::int32_t, std::int32_t> menuPoint{-1, -1};
    std::vector<SystemMenuEntry> menuEntries;
};

class RecordingQueue final : public MessageQueue {
  public:
    void post(const WindowMessage& m) override { posted.push_back(m); }
    bool onWindowThread() const override { return std::this_thread::get_id() == windowThread; }
    std::vector<WindowMessage> posted;
    std::thread::id windowThread = std::this_thread::get_id();
};

// Runs a dialog by calling `script` with it instead of a loop, then returns its result.
class ScriptedRunner final : public ModalRunner {
  public:
    TextSize pictureSize(const std::string&) override { return {300, 160}; }
    int run(SkinnedWindow& dialog, const SkinRect& frame) override {
        frames.push_back(frame);
        if (script)
            script(dialog);
        return dialog.result().value_or(0);
    }
    void endAll() override { ++ended; }
    void startSystemMove() override { ++moves; }
    int moves = 0;
    std::function<void(SkinnedWindow&)> script;
    int ended = 0;
    std::vector<SkinRect> frames;
};

// The file dialogs answer with `answer` (nothing: cancelled) and keep what they were asked.
class ScriptedFiles final : public FileDialog {
  public:
    std::optional<std::filesystem::path> openFile(const FileDialogRequest& r) override {
        asked.push_back(r);
        return answer;
    }
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest& r) override {
        asked.push_back(r);
        return answer;
    }
    std::vector<FileDialogRequest> asked;
    std::optional<std::filesystem::path> answer;
};

}  // namespace karvo::testing

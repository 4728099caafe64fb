// A PulseAudio server of the test's own: started from the test in a fresh runtime folder with
// two null sinks (karvo_a the default output, karvo_b), reached through its own socket, and
// stopped by its process id at the end. No server of the system or the user is touched. Also
// a control connection to it (changing the default output) and a tone player.
#pragma once

#include <pulse/pulseaudio.h>
#include <pulse/simple.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "platform/notifier.h"
#include "temp_dir.h"

namespace karvo::testing {

// The pulseaudio program on PATH, or empty.
inline std::filesystem::path findPulseaudio() {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::filesystem::path candidate =
            std::filesystem::path(dirs.substr(start, end - start)) / "pulseaudio";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// A notifier that libpulse's thread may call while the test reads it: the notices with the
// thread that told each.
class LockedNotifier final : public Notifier {
  public:
    struct Notice {
        std::string text;
        std::thread::id thread;
    };
    void tipText(int index, std::string_view suffix = {}) override {
        message("TipText " + std::to_string(index) + std::string(suffix));
    }
    void message(std::string_view text) override {
        const std::lock_guard lock(mutex_);
        notices_.push_back({std::string(text), std::this_thread::get_id()});
    }
    std::vector<Notice> notices() const {
        const std::lock_guard lock(mutex_);
        return notices_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<Notice> notices_;
};

// Waits (real time) until `done` holds; false when `timeout` passed first.
inline bool eventually(const std::function<bool()>& done,
                       std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Runs a plain libpulse main loop until `done` holds or `timeout` passes.
inline bool iterateUntil(pa_mainloop* loop, const std::function<bool()>& done,
                         std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        pa_mainloop_iterate(loop, 0, nullptr);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// A synchronous control connection to a server.
class PulseControl {
  public:
    explicit PulseControl(const std::string& server) {
        loop_ = pa_mainloop_new();
        context_ = pa_context_new(pa_mainloop_get_api(loop_), "karvo test control");
        pa_context_connect(context_, server.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr);
        iterateUntil(
            loop_,
            [this] {
                const auto s = pa_context_get_state(context_);
                return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
            },
            std::chrono::seconds(5));
    }
    ~PulseControl() {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        pa_mainloop_free(loop_);
    }
    PulseControl(const PulseControl&) = delete;
    PulseControl& operator=(const PulseControl&) = delete;

    bool ready() const { return pa_context_get_state(context_) == PA_CONTEXT_READY; }

    bool setDefaultSink(const std::string& name) {
        bool ok = false;
        pa_operation* op = pa_context_set_default_sink(
            context_, name.c_str(),
            [](pa_context*, int success, void* result) { *static_cast<bool*>(result) = success; },
            &ok);
        if (!op)
            return false;
        iterateUntil(
            loop_, [op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; },
            std::chrono::seconds(5));
        pa_operation_unref(op);
        return ok;
    }

  private:
    pa_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
};

class PrivatePulseServer {
  public:
    // Starts the server at `socket` (a fresh folder's "native" when empty) and waits until it
    // answers; check running() afterwards.
    explicit PrivatePulseServer(std::filesystem::path socket = {}) {
        const std::filesystem::path program = findPulseaudio();
        if (program.empty())
            return;
        ::chmod(runtime_.path().c_str(), 0700);
        socket_ = socket.empty() ? runtime_ / "native" : socket;
        const std::string runtimeVar = "XDG_RUNTIME_DIR=" + runtime_.path().string();
        const std::string homeVar = "HOME=" + home_.path().string();
        std::vector<std::string> args = {
            program.string(),
            "-n",
            "--daemonize=no",
            "--exit-idle-time=-1",
            "--use-pid-file=no",
            "--log-level=error",
            "--log-target=file:" + (runtime_ / "server.log").string(),
            "-L",
            "module-null-sink sink_name=karvo_a rate=48000",
            "-L",
            "module-null-sink sink_name=karvo_b rate=48000",
            "-L",
            "module-native-protocol-unix socket=" + socket_.string() + " auth-anonymous=1"};
        std::vector<std::string> env = {runtimeVar, homeVar, "PATH=/usr/bin:/bin"};
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        if (::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) !=
            0) {
            pid_ = -1;
            return;
        }
        // Up when it takes a connection; the first sink becomes the default output.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            if (std::filesystem::exists(socket_)) {
                PulseControl control(server());
                if (control.ready()) {
                    running_ = control.setDefaultSink("karvo_a");
                    break;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~PrivatePulseServer() { stop(); }
    PrivatePulseServer(const PrivatePulseServer&) = delete;
    PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

    bool running() const { return running_; }
    std::string server() const { return "unix:" + socket_.string(); }

    void stop() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        running_ = false;
    }

  private:
    TempDir runtime_;
    TempDir home_;
    std::filesystem::path socket_;
    pid_t pid_ = -1;
    bool running_ = false;
};

// Plays a 440 Hz sine of the given amplitude into one sink until stopped; the amplitude can
// change while it plays (0 plays silence).
class TonePlayer {
  public:
    TonePlayer(const std::string& server, const std::string& sink, float amplitude)
        : amplitude_(amplitude) {
        thread_ = std::jthread([this, server, sink](std::stop_token stop) {
            const pa_sample_spec sampleSpec{PA_SAMPLE_FLOAT32LE, kRate, 1};
            pa_buffer_attr attr{};
            attr.maxlength = static_cast<std::uint32_t>(-1);
            attr.tlength = static_cast<std::uint32_t>(kRate / 20 * sizeof(float));  // 50 ms ahead
            attr.prebuf = static_cast<std::uint32_t>(-1);
            attr.minreq = static_cast<std::uint32_t>(-1);
            attr.fragsize = static_cast<std::uint32_t>(-1);
            int error = 0;
            pa_simple* s = pa_simple_new(server.c_str(), "karvo test", PA_STREAM_PLAYBACK,
                                         sink.c_str(), "tone", &sampleSpec, nullptr, &attr, &error);
            if (!s)
                return;
            started_ = true;
            std::vector<float> chunk(kRate / 100);  // 10 ms
            std::uint64_t n = 0;
            while (!stop.stop_requested()) {
                const float a = amplitude_;
                for (float& v : chunk)
                    v = a * static_cast<float>(
                                std::sin(2.0 * std::numbers::pi * 440.0 * double(n++) / kRate));
                if (pa_simple_write(s, chunk.data(), chunk.size() * sizeof(float), &error) < 0)
                    break;
            }
            pa_simple_free(s);
        });
    }
    void setAmplitude(float a) { amplitude_ = a; }
    bool started() const { return started_; }

  private:
    static constexpr std::uint32_t kRate = 48000;
    std::atomic<float> amplitude_;
    std::atomic<bool> started_{false};
    std::jthread thread_;
};

}  // namespace karvo::testing

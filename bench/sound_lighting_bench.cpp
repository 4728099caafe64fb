// Sound-reactive lighting, timed: the CPU the sampling and the effect cost over a run with the
// effect off and with it on in each mode, and the time from a tone's start to the first
// sample that hears it and to the first change of the loudness level. It starts a PulseAudio
// server of its own (the pulseaudio program must be installed) and sends to the emulated
// mouse on the real clock.
//
//   karvo_bench_sound [SECONDS]     (60 by default for each CPU run)
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "device/device_link.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/linux/pulse_peak_meter.h"
#include "platform/system_clock.h"
#include "tests/platform/linux/private_pulse_server.h"
#include "tests/support/fake_sound_host.h"
#include "tests/support/fake_window.h"
#include "tests/support/sound_dialog_driver.h"
#include "ui/dialogs/sound_wave.h"
#include "ui/skin/layout_index.h"

namespace {

using namespace karvo;
using std::chrono::milliseconds;
using Steady = std::chrono::steady_clock;

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Music of a sort, in a process of its own so its work is not counted: a 440 Hz tone whose
// loudness pulses at 120 beats a minute. The process is forked before this one touches libpulse
// (which refuses to work in a child of a process that used it); it plays once it reads the
// server's address from `pipe`.
pid_t forkMusic(int (&pipeEnds)[2]) {
    if (::pipe(pipeEnds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid != 0) {
        ::close(pipeEnds[0]);
        return pid;
    }
    ::close(pipeEnds[1]);
    std::string server;
    char c = 0;
    while (::read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        server += c;
    testing::TonePlayer tone(server, "karvo_a", 0.6f);
    for (int i = 0;; ++i) {
        tone.setAmplitude(i % 2 ? 0.15f : 0.7f);
        std::this_thread::sleep_for(milliseconds(250));
    }
}

struct Rig {
    explicit Rig(const std::string& server) : server_(server) {
        sim::EmulatedMouse::Options o;
        o.keepReports = false;
        mouse = std::make_shared<sim::EmulatedMouse>(clock, o);
        backend.plug(mouse, "sim:0");
        link.attach(backend.open("sim:0/config").handle, o.featureReportLength,
                    backend.open("sim:0/event").handle, o.inputReportLength);
        dlg.open(
            testing::soundSkinIn(dir, "[ShareData]\r\nSoundWaveMode=2\r\nWaveShowStatu=0\r\n"));
    }
    ~Rig() { dlg.end(); }

    void press(int entry) { testing::pressEntry(dlg, layout, entry); }

    // The window thread's part: the sample timer every 96 ms, the beat timers every 480 ms.
    // `onSample` is called after each sample; returning false ends the run early.
    void runTimers(Steady::duration span, const std::function<bool()>& onSample = {}) {
        const auto start = Steady::now();
        auto next = start;
        for (int tick = 1; Steady::now() - start < span; ++tick) {
            next += SoundWave::kSamplePeriod;
            std::this_thread::sleep_until(next);
            dlg.onTimer(SoundWave::kSampleTimer);
            if (tick % 5 == 0) {
                dlg.onTimer(SoundWave::kBeatTimer);
                dlg.onTimer(SoundWave::kPulseBeatTimer);
            }
            if (onSample && !onSample())
                return;
        }
    }

    std::string server_;
    testing::TempDir dir;
    SkinLayout layout = testing::shippedSoundLayout();
    SystemClock clock;
    std::shared_ptr<sim::EmulatedMouse> mouse;
    sim::EmulatedHidBackend backend;
    device::DeviceLink link{clock};
    testing::FakeSoundHost host;
    testing::RecordingQueue queue;
    RecordingNotifier notifier;
    SoundWave dlg{{host, queue, notifier, link, clock,
                   [this] {
                       return std::make_unique<PulsePeakMeter>(notifier,
                                                               PulsePeakMeter::Options{server_});
                   },
                   [] { return 1; }, [](std::string_view) {}}};
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    int musicPipe[2] = {-1, -1};
    const pid_t music = forkMusic(musicPipe);
    if (testing::findPulseaudio().empty()) {
        std::fprintf(stderr, "the pulseaudio program is not installed\n");
        kill(music, SIGKILL);
        return 1;
    }
    testing::PrivatePulseServer server;
    if (!server.running()) {
        std::fprintf(stderr, "the private pulseaudio did not start\n");
        kill(music, SIGKILL);
        return 1;
    }

    // --- CPU over a run, music playing -----------------------------------------------------
    const std::string address = server.server() + "\n";
    if (::write(musicPipe[1], address.data(), address.size()) !=
        static_cast<ssize_t>(address.size()))
        std::fprintf(stderr, "the music process did not get the server's address\n");
    {
        Rig rig(server.server());
        std::printf(
            "CPU time of sampling and effect over %d s, music playing "
            "(%% of one core):\n",
            seconds);
        struct Run {
            const char* name;
            int mode;  // 0: effect off
        };
        for (const Run run :
             {Run{"effect off", 0}, Run{"effect on, mode 2 (pulse)", 2},
              Run{"effect on, mode 3 (colour flow)", 3}, Run{"effect on, mode 4 (beat)", 4}}) {
            if (run.mode != 0) {
                rig.press(skin::sound::kModeFirst + run.mode - 2);
                if (!rig.dlg.effectOn())
                    rig.press(skin::sound::kOnOff);
            }
            const auto reportsBefore = rig.mouse->liveCommands().size();
            const double cpu0 = processCpuSeconds();
            rig.runTimers(std::chrono::seconds(seconds));
            const double cpu = processCpuSeconds() - cpu0;
            std::printf("  %-34s %6.2f %%   (%zu reports, last level %d)\n", run.name,
                        100.0 * cpu / seconds, rig.mouse->liveCommands().size() - reportsBefore,
                        rig.dlg.levels().level());
            rig.mouse->clearLog();
        }
    }
    kill(music, SIGKILL);
    waitpid(music, nullptr, 0);

    // --- from a tone's start to the first sample and the first level that hear it --------
    std::vector<double> toSample;
    std::vector<double> toLevel;
    {
        Rig rig(server.server());
        rig.runTimers(std::chrono::seconds(2));  // silence, and the stream settles
        for (int i = 0; i < 15; ++i) {
            rig.runTimers(std::chrono::milliseconds(2500 + 37 * i));  // silence again
            testing::TonePlayer tone(server.server(), "karvo_a", 0.5f);
            testing::eventually([&] { return tone.started(); });
            const auto start = Steady::now();  // its first write follows at once
            double sampleMs = -1;
            double levelMs = -1;
            rig.runTimers(std::chrono::seconds(3), [&] {
                const double ms =
                    std::chrono::duration<double, std::milli>(Steady::now() - start).count();
                if (sampleMs < 0 && rig.dlg.levels().newest() > 0)
                    sampleMs = ms;
                if (levelMs < 0 && rig.dlg.levels().level() > 0)
                    levelMs = ms;
                return levelMs < 0;
            });
            if (sampleMs >= 0)
                toSample.push_back(sampleMs);
            if (levelMs >= 0)
                toLevel.push_back(levelMs);
        }
    }
    if (toSample.empty() || toLevel.empty()) {
        std::fprintf(stderr, "the tone was never heard\n");
        return 1;
    }
    std::printf("From a tone's start (%zu tones):\n", toSample.size());
    std::printf("  to the first sample that hears it   median %6.1f ms, worst %6.1f ms\n",
                median(toSample), *std::max_element(toSample.begin(), toSample.end()));
    std::printf("  to the first loudness level change  median %6.1f ms, worst %6.1f ms\n",
                median(toLevel), *std::max_element(toLevel.begin(), toLevel.end()));
    return 0;
}

// Downloader: DownloadAll, the write of the whole configuration into the mouse, on the calling
// thread or a worker so the window stays responsive; it refreshes the mouse, sets the session's
// pointer speed and keeps what the next download and the device threads need.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "device/device_link.h"
#include "device/device_memory_image.h"
#include "device/macro_sources.h"
#include "macro/mac_vk_and_text.h"
#include "platform/notifier.h"
#include "platform/pointer_settings.h"
#include "settings/device_description.h"
#include "settings/settings_model.h"

namespace karvo::device {

class Downloader {
  public:
    enum class Result {
        Complete,         // every write, the refresh and the follow-ups were sent
        Stopped,          // macros did not fit or could not be encoded; the notice was shown,
                          // the mouse holds the writes up to there and no refresh followed
        TransportFailed,  // a block or the refresh did not reach the mouse; nothing after it
                          // was sent
        Busy,             // another download was running; nothing was done
    };
    // Blocks written so far and blocks to write, after each block; on the downloading thread.
    using Progress = std::function<void(std::size_t written, std::size_t total)>;
    using Done = std::function<void(Result)>;

    // Everything is borrowed and must outlive the downloader. The notifier and the macro
    // sources are called from the worker thread.
    Downloader(DeviceLink& link, SettingsModel& settings, const DeviceDescription& description,
               const MacroSources& sources, const MacVkAndText& keys, Notifier& notifier,
               PointerSettings& pointer);
    ~Downloader();  // waits for a running worker
    Downloader(const Downloader&) = delete;
    Downloader& operator=(const Downloader&) = delete;

    // Which product discovery found (DeviceDiscovery::VariantFlag): 0 writes the whole header.
    void setVariantFlag(std::int32_t flag) { variantFlag_ = flag; }

    // Writes the whole configuration on the calling thread:
    //   1. status query (reply unused); build the image from a snapshot of the settings; a
    //      macro assignment whose macro does not exist becomes function 0 in the model
    //   2. the image's writes in order, its notices at their places (TipText 29, 6); a stop
    //      ends the download here
    //   3. refresh; pointer speed from DPI_SPEED (0 1 2 4 6 ... 20, else 6) when the session
    //      has one; wheel lines from WHEEL_SPEED when the session has them
    //   4. with SOFT_HARD_MAC 1: command 0x10 with function 0 for the image's host keys
    // Busy (and nothing done) while another download runs.
    Result DownloadAll(const Progress& progress = {});

    // Runs DownloadAll on a worker thread and calls `done` there at the end. False, and
    // nothing started, while a download runs: a second apply is kept out. Refused from the
    // worker's own callbacks (post to the window and start from there).
    bool startDownloadAll(Progress progress = {}, Done done = {});
    // Waits until the worker, if any, has ended.
    void waitForWorker();

    // The busy flag: set from the start of a download to its end, however it ends.
    bool busy() const { return busy_; }

    // The image of the last download that got as far as building one (its function tables
    // and marks serve the device event thread and the window); null before the first.
    std::shared_ptr<const DeviceMemoryImage> lastImage() const;
    // What the next download takes as previous.
    PreviousDownload previous() const;

    // The session pointer speed for DPI_SPEED: 0..11 give 0, 1, 2, 4, 6, 8, ... 20; any
    // other value 6.
    static int pointerSpeedOf(std::uint8_t dpiSpeed);

  private:
    Result run(const Progress& progress);

    DeviceLink& link_;
    SettingsModel& settings_;
    const DeviceDescription& description_;
    const MacroSources& sources_;
    const MacVkAndText& keys_;
    Notifier& notifier_;
    PointerSettings& pointer_;
    std::atomic<std::int32_t> variantFlag_{1};
    std::atomic<bool> busy_{false};

    mutable std::mutex stateLock_;  // guards the two below
    PreviousDownload previous_;
    std::shared_ptr<const DeviceMemoryImage> lastImage_;

    std::mutex workerLock_;
    std::thread worker_;
    std::atomic<std::thread::id> workerId_{};  // the worker's own id while it runs
};

}  // namespace karvo::device

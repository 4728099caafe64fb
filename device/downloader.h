// Downloader: DownloadAll, the write of the configuration into the mouse, on the calling thread
// or a worker so the window stays responsive; it refreshes the mouse, sets the session's pointer
// speed and keeps what the next download and the device threads need. An apply may send only
// the blocks that changed since the last complete write (ApplyPlan, WrittenImageStore).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "device/apply_plan.h"
#include "device/device_link.h"
#include "device/device_memory_image.h"
#include "device/macro_sources.h"
#include "device/written_image.h"
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
        OtherProgram,     // another program kept the mouse busy for the whole wait; nothing
                          // was done
    };
    // Blocks written so far and blocks to write, after each block; on the downloading thread.
    using Progress = std::function<void(std::size_t written, std::size_t total)>;
    using Done = std::function<void(Result)>;

    // Which writes a download sends.
    enum class Writes {
        All,      // every block: start-up, re-plug, resume, and whenever asked
        Changed,  // only the blocks that differ from the last complete write in this
                  // connection; everything when there is none or it cannot be compared
    };
    // What the last download sent, once its plan was made.
    struct Summary {
        std::size_t sent = 0;   // block writes sent (or planned, when it ended early)
        std::size_t total = 0;  // block writes of the whole image
        ApplyPlan::Reason reason = ApplyPlan::Reason::Asked;
        std::string problem;  // why a kept image could not be used, or empty
    };

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

    // Where the last complete write is kept; null (the default) keeps it in the downloader's
    // own memory. Borrowed; set it before the first download.
    void setWrittenImageStore(WrittenImageStore* store);
    // The mouse has just arrived, or may have been changed behind the program's back: the next
    // download writes everything whatever it is asked.
    void forgetWrittenImage();

    // Writes the configuration on the calling thread:
    //   1. status query (reply unused); build the image from a snapshot of the settings (the
    //      previous-download state from the kept image when there is one); a macro assignment
    //      whose macro does not exist becomes function 0 in the model
    //   2. the plan: every write, or with Writes::Changed those that differ from the kept
    //      image; the kept image is forgotten before the first block goes out
    //   3. the planned writes in the image's order, its notices at their places (TipText 29,
    //      6); a stop ends the download here
    //   4. refresh; pointer speed from DPI_SPEED (0 1 2 4 6 ... 20, else 6) when the session
    //      has one; wheel lines from WHEEL_SPEED when the session has them
    //   5. with SOFT_HARD_MAC 1: command 0x10 with function 0 for the image's host keys
    //   6. only when all of it was sent: the image is kept as the last complete write
    // Busy (and nothing done) while another download runs. Progress counts planned writes.
    Result DownloadAll(const Progress& progress = {}, Writes writes = Writes::All);

    // Runs DownloadAll on a worker thread and calls `done` there at the end. False, and
    // nothing started, while a download runs: a second apply is kept out. Refused from the
    // worker's own callbacks (post to the window and start from there).
    bool startDownloadAll(Progress progress = {}, Done done = {}, Writes writes = Writes::All);
    // Waits until the worker, if any, has ended.
    void waitForWorker();

    // The busy flag: set from the start of a download to its end, however it ends.
    bool busy() const { return busy_; }

    // The image of the last download that got as far as building one (its function tables
    // and marks serve the device event thread and the window); null before the first.
    std::shared_ptr<const DeviceMemoryImage> lastImage() const;
    // What the next download takes as previous when no image is kept.
    PreviousDownload previous() const;
    // What the last download planned and sent.
    Summary lastSummary() const;

    // The session pointer speed for DPI_SPEED: 0..11 give 0, 1, 2, 4, 6, 8, ... 20; any
    // other value 6.
    static int pointerSpeedOf(std::uint8_t dpiSpeed);

  private:
    Result run(const Progress& progress, Writes writes);

    DeviceLink& link_;
    SettingsModel& settings_;
    const DeviceDescription& description_;
    const MacroSources& sources_;
    const MacVkAndText& keys_;
    Notifier& notifier_;
    PointerSettings& pointer_;
    std::atomic<std::int32_t> variantFlag_{1};
    std::atomic<bool> busy_{false};

    mutable std::mutex stateLock_;  // guards the four below
    PreviousDownload previous_;
    std::shared_ptr<const DeviceMemoryImage> lastImage_;
    Summary summary_;
    WrittenImageStore* store_;

    MemoryWrittenImageStore ownStore_;

    std::mutex workerLock_;
    std::thread worker_;
    std::atomic<std::thread::id> workerId_{};  // the worker's own id while it runs
};

}  // namespace karvo::device

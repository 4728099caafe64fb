// DownloadAll and its worker; the sequence is documented in downloader.h.
#include "device/downloader.h"

#include <array>
#include <utility>

namespace karvo::device {
namespace {

constexpr std::array<int, 12> kPointerSpeeds = {0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr int kDefaultPointerSpeed = 6;

// Clears the busy flag however the download ends.
class BusyGuard {
  public:
    explicit BusyGuard(std::atomic<bool>& busy) : busy_(busy) {}
    ~BusyGuard() { busy_ = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    std::atomic<bool>& busy_;
};

}  // namespace

Downloader::Downloader(DeviceLink& link, SettingsModel& settings,
                       const DeviceDescription& description, const MacroSources& sources,
                       const MacVkAndText& keys, Notifier& notifier, PointerSettings& pointer)
    : link_(link),
      settings_(settings),
      description_(description),
      sources_(sources),
      keys_(keys),
      notifier_(notifier),
      pointer_(pointer),
      store_(&ownStore_) {}

Downloader::~Downloader() {
    waitForWorker();
}

int Downloader::pointerSpeedOf(std::uint8_t dpiSpeed) {
    return dpiSpeed < kPointerSpeeds.size() ? kPointerSpeeds[dpiSpeed] : kDefaultPointerSpeed;
}

std::shared_ptr<const DeviceMemoryImage> Downloader::lastImage() const {
    const std::lock_guard lock(stateLock_);
    return lastImage_;
}

PreviousDownload Downloader::previous() const {
    const std::lock_guard lock(stateLock_);
    return previous_;
}

Downloader::Summary Downloader::lastSummary() const {
    const std::lock_guard lock(stateLock_);
    return summary_;
}

void Downloader::setWrittenImageStore(WrittenImageStore* store) {
    const std::lock_guard lock(stateLock_);
    store_ = store ? store : &ownStore_;
}

void Downloader::forgetWrittenImage() {
    WrittenImageStore* store;
    {
        const std::lock_guard lock(stateLock_);
        store = store_;
    }
    store->forget();
}

Downloader::Result Downloader::DownloadAll(const Progress& progress, Writes writes) {
    if (busy_.exchange(true))
        return Result::Busy;
    const BusyGuard guard(busy_);
    return run(progress, writes);
}

bool Downloader::startDownloadAll(Progress progress, Done done, Writes writes) {
    // From a callback of the worker itself, which could never wait for its own end.
    if (workerId_.load() == std::this_thread::get_id())
        return false;
    const std::lock_guard lock(workerLock_);
    if (busy_.exchange(true))
        return false;
    // The flag was clear, so an earlier worker has finished its download; collect it.
    if (worker_.joinable())
        worker_.join();
    worker_ = std::thread([this, progress = std::move(progress), done = std::move(done), writes] {
        workerId_ = std::this_thread::get_id();
        Result result;
        {
            const BusyGuard guard(busy_);
            result = run(progress, writes);
        }
        if (done)
            done(result);
        workerId_ = std::thread::id{};
    });
    return true;
}

void Downloader::waitForWorker() {
    const std::lock_guard lock(workerLock_);
    if (worker_.joinable())
        worker_.join();
}

Downloader::Result Downloader::run(const Progress& progress, Writes writes) {
    WrittenImageStore* store;
    {
        const std::lock_guard lock(stateLock_);
        store = store_;
    }
    // From the kept record to the last follow-up no other program may talk to the mouse.
    const std::unique_ptr<WrittenImageStore::Hold> hold = store->holdDevice();
    if (!hold)
        return Result::OtherProgram;

    (void)link_.queryStatus();  // the mouse expects it first; its reply is not needed here
    // The kept image also says what the download that wrote it left for the next one; a
    // complete download then writes exactly what a changed-block one would.
    const WrittenImageStore::Loaded kept = store->load();
    DeviceMemoryImage::Inputs inputs;
    inputs.variantFlag = variantFlag_;
    inputs.lightLevel = link_.lightLevel();
    inputs.previous = kept.image ? kept.image->previous : previous();
    const Settings snapshot = settings_.snapshot();
    auto image = std::make_shared<const DeviceMemoryImage>(
        DeviceMemoryImage::build(snapshot, description_, sources_, keys_, inputs));

    // Macros that no longer exist are dropped from the model (the files keep them). A button
    // the user changed in the meantime keeps its new function.
    if (!image->assignments().corrections().empty()) {
        settings_.edit([&image](Settings& s) {
            for (const FunctionCorrection& c : image->assignments().corrections()) {
                auto& button = s.profiles[static_cast<std::size_t>(c.profile)]
                                   .buttons[static_cast<std::size_t>(c.slot)];
                if (button.function == c.was)
                    button.function = 0;
            }
        });
    }
    {
        const std::lock_guard lock(stateLock_);
        lastImage_ = image;
    }

    const ApplyPlan plan = writes == Writes::All ? ApplyPlan::all(*image, ApplyPlan::Reason::Asked)
                           : kept.image          ? ApplyPlan::changed(*image, *kept.image)
                                        : ApplyPlan::all(*image, ApplyPlan::Reason::NothingKnown);
    {
        const std::lock_guard lock(stateLock_);
        summary_ = {plan.count(), plan.total(), plan.reason(), kept.problem};
    }
    // From the first block until the last follow-up, what the mouse holds is not known.
    store->forget();

    const auto blocks = image->writes();
    const auto notices = image->notices();
    std::size_t nextNotice = 0;
    const auto showNoticesUpTo = [&](std::size_t written) {
        while (nextNotice < notices.size() && notices[nextNotice].beforeWrite <= written)
            notifier_.tipText(notices[nextNotice++].tipText);
    };
    const auto keep = [this, &image](std::size_t written) {
        const std::lock_guard lock(stateLock_);
        previous_ = image->stateAfter(written);
    };

    std::size_t sent = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        showNoticesUpTo(i);
        if (!plan.sends(i))
            continue;
        if (!link_.writeBlock(blocks[i].address, blocks[i].bytes())) {
            keep(i);
            return Result::TransportFailed;
        }
        if (progress)
            progress(++sent, plan.count());
    }
    showNoticesUpTo(blocks.size());
    keep(blocks.size());
    if (image->stopped())
        return Result::Stopped;

    if (!link_.sendRefresh())
        return Result::TransportFailed;

    const SharedSettings& shared = snapshot.shared;
    if (pointer_.pointerSpeed())
        pointer_.setPointerSpeed(pointerSpeedOf(shared.pointerSpeed));
    if (pointer_.wheelLines())
        pointer_.setWheelLines(shared.wheelSpeed);

    for (const std::uint8_t key : image->hostKeys()) {
        if (!link_.sendKeyFunction(key, 0))
            return Result::TransportFailed;
    }
    store->remember(WrittenImage::of(*image));
    return Result::Complete;
}

}  // namespace karvo::device

// The emulated mouse's firmware. Memory protocol (feature report 7, command 0x18): data reports
// (flags 0x03) fill a block, a commit (0x09) stores it, an end (0x00) closes it; a block ended
// without a commit is a selection that read reports (0x05) then read byte by byte through GET.
#include "device/sim/emulated_mouse.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "platform/file_ops.h"

namespace karvo::sim {
namespace {

constexpr std::uint8_t kMemoryAccess = 0x18;
constexpr std::size_t kMaxInputQueue = 64;  // as the kernel's hidraw queue

std::string hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    char digits[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", b);
        if (!text.empty())
            text += ' ';
        text += digits;
    }
    return text;
}

bool isLiveCommand(std::uint8_t code) {
    switch (code) {
        case 0x0B:
        case 0x10:
        case 0x11:
        case 0x13:
        case 0x14:
        case 0x15:
        case 0x16:
        case 0x17:
        case 0x20:
            return true;
        default:
            return false;
    }
}

}  // namespace

EmulatedMouse::EmulatedMouse(Clock& clock, Options options)
    : clock_(clock), options_(std::move(options)), start_(clock.now()), memory_(kMemorySize, 0) {
    if (!options_.stateFile.empty()) {
        if (auto bytes = fileops::readFile(options_.stateFile)) {
            if (bytes->size() == kMemorySize) {
                std::copy(bytes->begin(), bytes->end(), memory_.begin());
            } else {
                error("state file " + options_.stateFile.string() + " holds " +
                      std::to_string(bytes->size()) +
                      " bytes instead of 65536; memory starts "
                      "cleared");
            }
        }
    }
    adoptMemoryStateLocked();
    if (!options_.reportLog.empty()) {
        reportLog_.open(options_.reportLog, std::ios::out | std::ios::trunc);
        if (!reportLog_)
            error("cannot write the report log " + options_.reportLog.string());
    }
}

EmulatedMouse::~EmulatedMouse() {
    const std::lock_guard lock(mutex_);
    saveStateLocked();
}

bool EmulatedMouse::setFeature(std::span<const std::uint8_t> report) {
    const std::lock_guard lock(mutex_);
    if (!connected_ || injectedFailure())
        return false;
    log(LoggedReport::Kind::Set, report);
    if (report.empty() || report[0] != kFeatureReportId) {
        error("SET of report id " +
              std::string(report.empty() ? "none" : std::to_string(report[0])) +
              "; the mouse only has feature report 7");
        return false;
    }
    if (report.size() != options_.featureReportLength) {
        error("SET of " + std::to_string(report.size()) + " bytes; the feature report has " +
              std::to_string(options_.featureReportLength));
    }
    if (report.size() < 8) {
        error("SET too short to hold a command");
        return true;
    }
    if (report[1] == kMemoryAccess) {
        memoryAccess(report);
    } else if (isLiveCommand(report[1])) {
        liveCommand(report);
    } else {
        error("unknown command code " + hex(report.subspan(1, 1)));
    }
    return true;
}

void EmulatedMouse::memoryAccess(std::span<const std::uint8_t> r) {
    const std::uint8_t flags = r[2];
    const std::size_t index = r[3];
    const auto address = static_cast<std::uint16_t>(r[4] | (r[5] << 8));
    const std::uint8_t data = r[6];
    const std::size_t length = std::size_t{r[7]} + 1;
    switch (flags) {
        case 0x03:
            writeReport(address, length, index, data);
            break;
        case 0x09:
            if (index != 0 || data != 0)
                error("commit with index or data set: " + hex(r.first(8)));
            commitReport(address, length);
            break;
        case 0x05:
            if (data != 0)
                error("read report with data set: " + hex(r.first(8)));
            readReport(address, length, index);
            break;
        case 0x00:
            if (index != 0 || data != 0 || r[7] != 0) {
                error("end report with index, data or length set: " + hex(r.first(8)));
            }
            endReport();
            break;
        case 0x10:
            if (std::any_of(r.begin() + 3, r.begin() + 8, [](std::uint8_t b) { return b != 0; })) {
                error("refresh with arguments: " + hex(r.first(8)));
            }
            if (open_)
                error("refresh inside an open block");
            open_.reset();
            selected_.reset();
            ++refreshes_;
            adoptMemoryStateLocked();
            saveStateLocked();
            break;
        default:
            error("memory access with unknown flags " + hex(r.subspan(2, 1)));
    }
}

void EmulatedMouse::writeReport(std::uint16_t address, std::size_t length, std::size_t index,
                                std::uint8_t data) {
    if (address + length > kMemorySize) {
        error("block at " + std::to_string(address) + " of " + std::to_string(length) +
              " bytes runs past the end of memory");
        return;
    }
    if (open_ && (open_->committed || open_->address != address || open_->length != length)) {
        error("data report for another block before the end report");
        open_.reset();
    }
    if (!open_) {
        open_ = Block{};
        open_->address = address;
        open_->length = length;
    }
    if (index >= length) {
        error("data report index " + std::to_string(index) + " outside a block of " +
              std::to_string(length));
        return;
    }
    if (open_->received.test(index))
        error("data report index " + std::to_string(index) + " twice");
    open_->data[index] = data;
    open_->received.set(index);
}

void EmulatedMouse::commitReport(std::uint16_t address, std::size_t length) {
    if (!open_ || open_->committed) {
        error("commit without its data reports");
        return;
    }
    if (open_->address != address || open_->length != length) {
        error("commit of another block than the one written");
        return;
    }
    if (open_->received.count() != length) {
        error("commit of a block with " + std::to_string(open_->received.count()) + " of " +
              std::to_string(length) + " bytes written");
        return;
    }
    std::copy_n(open_->data.begin(), length, memory_.begin() + address);
    open_->committed = true;
}

void EmulatedMouse::endReport() {
    // A complete block ended without a commit selects it for reading. An incomplete one is a
    // write the host gave up on: it is dropped, and memory keeps what it had.
    if (open_ && !open_->committed && open_->received.count() == open_->length) {
        selected_ = open_;
    } else {
        selected_.reset();
    }
    open_.reset();
    readData_.reset();
}

void EmulatedMouse::readReport(std::uint16_t address, std::size_t length, std::size_t index) {
    if (open_) {
        error("read report inside an open block");
        return;
    }
    if (!selected_ || selected_->address != address || selected_->length != length) {
        error("read report without a selection of that block");
        return;
    }
    if (index >= length) {
        error("read index " + std::to_string(index) + " outside a block of " +
              std::to_string(length));
        return;
    }
    readData_ = memory_[address + index];
}

void EmulatedMouse::liveCommand(std::span<const std::uint8_t> report) {
    if (open_)
        error("live command " + hex(report.subspan(1, 1)) + " inside an open block");
    LiveCommand command;
    command.code = report[1];
    std::copy_n(report.begin() + 2, 6, command.args.begin());
    liveCommands_.push_back(command);
}

std::optional<std::size_t> EmulatedMouse::getFeature(std::span<std::uint8_t> report) {
    const std::lock_guard lock(mutex_);
    if (!connected_ || injectedFailure())
        return std::nullopt;
    if (report.empty() || report[0] != kFeatureReportId) {
        error("GET of a report id other than 7");
        return std::nullopt;
    }
    if (open_)
        error("GET inside an open block");
    std::vector<std::uint8_t> reply(std::max<std::size_t>(options_.featureReportLength, 7), 0);
    reply[0] = kFeatureReportId;
    reply[1] = readData_.value_or(0);
    reply[6] = static_cast<std::uint8_t>(profile_ << 2);
    readData_.reset();
    std::size_t n = std::min(reply.size(), report.size());
    if (replyLength_)
        n = std::min(n, *replyLength_);
    std::copy_n(reply.begin(), n, report.begin());
    log(LoggedReport::Kind::Get, report.first(n));
    return n;
}

hid::InputRead EmulatedMouse::readInput(std::span<std::uint8_t> buffer,
                                        std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    inputArrived_.wait_for(lock, timeout, [&] { return !connected_ || !inputQueue_.empty(); });
    if (!connected_)
        return {hid::InputRead::Status::Failed, 0};
    if (inputQueue_.empty())
        return {hid::InputRead::Status::TimedOut, 0};
    const std::vector<std::uint8_t> report = std::move(inputQueue_.front());
    inputQueue_.pop_front();
    const std::size_t n = std::min(report.size(), buffer.size());
    std::copy_n(report.begin(), n, buffer.begin());
    log(LoggedReport::Kind::In, report);
    return {hid::InputRead::Status::Report, n};
}

void EmulatedMouse::raiseInput(std::uint8_t code, std::uint8_t argument) {
    {
        const std::lock_guard lock(mutex_);
        std::vector<std::uint8_t> report(std::max<std::size_t>(options_.inputReportLength, 3), 0);
        report[0] = kInputReportId;
        report[1] = code;
        report[2] = argument;
        if (inputQueue_.size() == kMaxInputQueue)
            inputQueue_.pop_front();
        inputQueue_.push_back(std::move(report));
    }
    inputArrived_.notify_all();
}

void EmulatedMouse::pressKey(int deviceKey) {
    int level;
    {
        const std::lock_guard lock(mutex_);
        level = dpiLevel_;
    }
    raiseInput(static_cast<std::uint8_t>(0xF0 + (deviceKey & 0x0F)),
               static_cast<std::uint8_t>(level));
}

void EmulatedMouse::releaseKey(int deviceKey) {
    int level;
    {
        const std::lock_guard lock(mutex_);
        level = dpiLevel_;
    }
    raiseInput(static_cast<std::uint8_t>(0xF0 + (deviceKey & 0x0F)),
               static_cast<std::uint8_t>(0x80 | level));
}

std::size_t EmulatedMouse::keyByteAddress(int profile, int deviceKey) {
    // The memory map of the key bytes: per profile, device keys 1 to 12 in runs.
    if (deviceKey < 1 || deviceKey > 12)
        return 0;
    const auto k = static_cast<std::size_t>(deviceKey);
    switch (profile) {
        case 0:
            return k <= 8 ? 8 + k - 1 : k == 9 ? 16 : 59 + k - 10;
        case 1:
            return k <= 4 ? 68 + k - 1 : 72 + k - 5;
        case 2:
            return k <= 8 ? 80 + k - 1 : 88 + k - 9;
        case 3:
            return k <= 8 ? 96 + k - 1 : 104 + k - 9;
        default:
            return 0;
    }
}

void EmulatedMouse::adoptMemoryStateLocked() {
    // Header byte 1 is (profile * 32) + 3 and the state byte 0x18 + level once a download
    // has written them.
    if ((memory_[1] & 0x9F) == 0x03)
        profile_ = (memory_[1] >> 5) & 3;
    if ((memory_[24] & 0xF8) == 0x18)
        dpiLevel_ = std::min(memory_[24] & 7, 5);
}

EmulatedMouse::KeyDown EmulatedMouse::keyDown(int deviceKey) {
    KeyDown done;
    {
        const std::lock_guard lock(mutex_);
        done.deviceKey = deviceKey;
        done.profileBefore = done.profile = profile_;
        done.dpiLevelBefore = done.dpiLevel = dpiLevel_;
        const std::size_t at = keyByteAddress(profile_, deviceKey);
        done.deviceFunction = at == 0 ? 0 : static_cast<std::uint8_t>(memory_[at] & 0x1F);

        // The DPI levels the user enabled (bit k of address 25); none enabled counts as all.
        const int mask = (memory_[25] & 0x3F) != 0 ? memory_[25] & 0x3F : 0x3F;
        const auto enabled = [mask](int level) { return (mask >> level) & 1; };
        int level = dpiLevel_;
        switch (done.deviceFunction) {
            case 6:
                do {
                    level = (level + 1) % 6;
                } while (!enabled(level));
                break;
            case 11:
                for (int l = level + 1; l < 6; ++l) {
                    if (enabled(l)) {
                        level = l;
                        break;
                    }
                }
                break;
            case 12:
                for (int l = level - 1; l >= 0; --l) {
                    if (enabled(l)) {
                        level = l;
                        break;
                    }
                }
                break;
            case 23:
                profile_ = (profile_ + 1) % 4;
                break;
            case 24:
                profile_ = std::min(profile_ + 1, 3);
                break;
            case 25:
                profile_ = std::max(profile_ - 1, 0);
                break;
            case 26:
                profile_ = 0;
                break;
            default:
                break;
        }
        if (level != dpiLevel_) {
            dpiLevel_ = level;
            memory_[24] = static_cast<std::uint8_t>(0x18 + level);
        }
        if (profile_ != done.profileBefore) {
            memory_[1] = static_cast<std::uint8_t>((memory_[1] & 0x9F) | (profile_ << 5));
            memory_[118] = static_cast<std::uint8_t>((memory_[118] & 0xFC) | profile_);
        }
        done.profile = profile_;
        done.dpiLevel = dpiLevel_;
    }
    pressKey(deviceKey);
    return done;
}

void EmulatedMouse::keyUp(int deviceKey) {
    releaseKey(deviceKey);
}

void EmulatedMouse::switchProfile(int profile) {
    setProfile(profile);
    raiseInput(3, 0);
}

void EmulatedMouse::adjust(bool up) {
    raiseInput(up ? 1 : 2, 0);
}

void EmulatedMouse::setDpiLevel(int level) {
    const std::lock_guard lock(mutex_);
    dpiLevel_ = std::clamp(level, 0, 5);
}

void EmulatedMouse::setProfile(int profile) {
    const std::lock_guard lock(mutex_);
    profile_ = profile & 3;
}

void EmulatedMouse::setConnected(bool connected) {
    {
        const std::lock_guard lock(mutex_);
        connected_ = connected;
    }
    inputArrived_.notify_all();
}

bool EmulatedMouse::connected() const {
    const std::lock_guard lock(mutex_);
    return connected_;
}

void EmulatedMouse::failExchangeAfter(std::size_t count) {
    const std::lock_guard lock(mutex_);
    failAfter_ = count;
}

void EmulatedMouse::cutRepliesTo(std::size_t length) {
    const std::lock_guard lock(mutex_);
    replyLength_ = length;
}

bool EmulatedMouse::injectedFailure() {
    if (!failAfter_)
        return false;
    if (*failAfter_ == 0) {
        failAfter_.reset();
        return true;
    }
    --*failAfter_;
    return false;
}

std::vector<std::uint8_t> EmulatedMouse::memory(std::size_t address, std::size_t length) const {
    const std::lock_guard lock(mutex_);
    address = std::min(address, kMemorySize);
    length = std::min(length, kMemorySize - address);
    return {memory_.begin() + address, memory_.begin() + address + length};
}

void EmulatedMouse::setMemory(std::size_t address, std::span<const std::uint8_t> bytes) {
    const std::lock_guard lock(mutex_);
    if (address >= kMemorySize)
        return;
    const std::size_t n = std::min(bytes.size(), kMemorySize - address);
    std::copy_n(bytes.begin(), n, memory_.begin() + address);
}

std::vector<EmulatedMouse::LoggedReport> EmulatedMouse::reports() const {
    const std::lock_guard lock(mutex_);
    return reports_;
}

std::vector<EmulatedMouse::LiveCommand> EmulatedMouse::liveCommands() const {
    const std::lock_guard lock(mutex_);
    return liveCommands_;
}

std::vector<std::string> EmulatedMouse::protocolErrors() const {
    const std::lock_guard lock(mutex_);
    return errors_;
}

int EmulatedMouse::refreshCount() const {
    const std::lock_guard lock(mutex_);
    return refreshes_;
}

int EmulatedMouse::profile() const {
    const std::lock_guard lock(mutex_);
    return profile_;
}

int EmulatedMouse::dpiLevel() const {
    const std::lock_guard lock(mutex_);
    return dpiLevel_;
}

void EmulatedMouse::clearLog() {
    const std::lock_guard lock(mutex_);
    reports_.clear();
    liveCommands_.clear();
    errors_.clear();
}

bool EmulatedMouse::saveState() const {
    const std::lock_guard lock(mutex_);
    return saveStateLocked();
}

bool EmulatedMouse::saveStateLocked() const {
    if (options_.stateFile.empty())
        return true;
    return fileops::writeFileAtomically(
        options_.stateFile,
        std::string_view(reinterpret_cast<const char*>(memory_.data()), memory_.size()));
}

void EmulatedMouse::log(LoggedReport::Kind kind, std::span<const std::uint8_t> bytes) {
    LoggedReport entry;
    entry.at = clock_.now() - start_;
    entry.kind = kind;
    entry.bytes.assign(bytes.begin(), bytes.end());
    if (reportLog_.is_open()) {
        const char* name = kind == LoggedReport::Kind::Set   ? "SET"
                           : kind == LoggedReport::Kind::Get ? "GET"
                                                             : "IN";
        char ms[32];
        std::snprintf(ms, sizeof ms, "%.3f",
                      std::chrono::duration<double, std::milli>(entry.at).count());
        reportLog_ << ms << ' ' << name << ' ' << hex(bytes) << '\n';
    }
    if (options_.keepReports)
        reports_.push_back(std::move(entry));
}

void EmulatedMouse::error(std::string message) {
    errors_.push_back(std::move(message));
}

}  // namespace karvo::sim

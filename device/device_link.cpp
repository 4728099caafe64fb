// The feature-report transport; the byte layouts are documented in device_link.h. Every public
// command takes the command lock for its whole sequence, pauses included, so no other thread's
// report can slip between the reports of a block or into the shared report buffer.
#include "device/device_link.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace karvo::device {
namespace {

constexpr std::uint8_t kMemoryAccess = 0x18;
constexpr std::uint8_t kFlagWrite = 0x03;
constexpr std::uint8_t kFlagCommit = 0x09;
constexpr std::uint8_t kFlagRead = 0x05;
constexpr std::uint8_t kFlagEnd = 0x00;
constexpr std::uint8_t kFlagRefresh = 0x10;

constexpr std::uint8_t kPointerMove = 0x0B;
constexpr std::uint8_t kKeyFunction = 0x10;
constexpr std::uint8_t kHostMacroButton = 0x11;
constexpr std::uint8_t kLighting = 0x13;
constexpr std::uint8_t kDpiColour = 0x14;
constexpr std::uint8_t kKeyList = 0x15;
constexpr std::uint8_t kButtonState = 0x16;
constexpr std::uint8_t kConsumerUsage = 0x17;
constexpr std::uint8_t kClosing = 0x20;

constexpr std::uint8_t lowByte(unsigned v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
constexpr std::uint8_t highByte(unsigned v) {
    return static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

std::uint16_t toInt16Bits(std::int64_t v) {
    const std::int64_t held = std::clamp<std::int64_t>(v, std::numeric_limits<std::int16_t>::min(),
                                                       std::numeric_limits<std::int16_t>::max());
    return static_cast<std::uint16_t>(held);
}

}  // namespace

DeviceLink::DeviceLink(Clock& clock) : clock_(clock) {}

void DeviceLink::attach(std::unique_ptr<hid::HidHandle> feature, std::uint16_t featureReportLength,
                        std::shared_ptr<hid::HidHandle> input, std::uint16_t inputReportLength) {
    std::unique_ptr<hid::HidHandle> oldFeature;
    std::shared_ptr<hid::HidHandle> oldInput;
    {
        const std::lock_guard lock(commandLock_);
        oldFeature = std::exchange(feature_, std::move(feature));
        featureLength_ = std::clamp<std::uint16_t>(featureReportLength, kMinFeatureReportLength,
                                                   kReportBufferSize);
    }
    {
        const std::lock_guard lock(inputLock_);
        oldInput = std::exchange(input_, std::move(input));
        inputLength_ = inputReportLength;
    }
    // The old handles close here, outside the locks.
}

void DeviceLink::close() {
    attach(nullptr, 0, nullptr, 0);
}

bool DeviceLink::hasFeatureHandle() const {
    const std::lock_guard lock(commandLock_);
    return feature_ != nullptr;
}

std::shared_ptr<hid::HidHandle> DeviceLink::inputHandle() const {
    const std::lock_guard lock(inputLock_);
    return input_;
}

std::uint16_t DeviceLink::featureReportLength() const {
    const std::lock_guard lock(commandLock_);
    return feature_ ? featureLength_ : 0;
}

std::uint16_t DeviceLink::inputReportLength() const {
    const std::lock_guard lock(inputLock_);
    return inputLength_;
}

// Fills bytes 0..7 for one memory-access report; the rest of the buffer is left alone.
void DeviceLink::memoryAccess(std::uint8_t flags, std::uint8_t index, std::uint16_t address,
                              std::uint8_t data, std::uint8_t lengthByte) {
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kMemoryAccess;
    reportBuffer_[2] = flags;
    reportBuffer_[3] = index;
    reportBuffer_[4] = lowByte(address);
    reportBuffer_[5] = highByte(address);
    reportBuffer_[6] = data;
    reportBuffer_[7] = lengthByte;
}

// SET of the first featureLength_ bytes of the report buffer. Caller holds the command lock.
bool DeviceLink::sendReport() {
    if (!feature_)
        return false;
    return feature_->sendFeature(std::span(reportBuffer_).first(featureLength_));
}

// GET into the report buffer; the reply counts only when it is report 7. Caller holds the lock.
std::optional<std::size_t> DeviceLink::getReport() {
    if (!feature_)
        return std::nullopt;
    const auto n = feature_->getFeature(std::span(reportBuffer_).first(featureLength_));
    if (!n || *n == 0 || *n > featureLength_ || reportBuffer_[0] != kReportId)
        return std::nullopt;
    return n;
}

bool DeviceLink::writeBlock(std::uint16_t address, std::span<const std::uint8_t> bytes) {
    const std::size_t n = bytes.size();
    if (n == 0 || n > kMaxBlockLength || address + n > 0x10000)
        return false;
    const auto last = static_cast<std::uint8_t>(n - 1);
    const std::lock_guard lock(commandLock_);
    bool ok = true;
    for (std::size_t i = 0; i < n && ok; ++i) {
        memoryAccess(kFlagWrite, static_cast<std::uint8_t>(i), address, bytes[i], last);
        ok = sendReport();
    }
    if (ok) {
        clock_.sleepFor(kPauseAfterData);
        memoryAccess(kFlagCommit, 0, address, 0, last);
        ok = sendReport();
    }
    clock_.sleepFor(kPauseAfterCommit);
    memoryAccess(kFlagEnd, 0, address, 0, 0);
    return sendReport() && ok;
}

bool DeviceLink::readBlock(std::uint16_t address, std::span<std::uint8_t> bytes) {
    const std::size_t n = bytes.size();
    if (n == 0 || n > kMaxBlockLength || address + n > 0x10000)
        return false;
    const auto last = static_cast<std::uint8_t>(n - 1);
    const std::lock_guard lock(commandLock_);
    bool ok = true;
    for (std::size_t i = 0; i < n && ok; ++i) {
        memoryAccess(kFlagWrite, static_cast<std::uint8_t>(i), address, 0, last);
        ok = sendReport();
        clock_.sleepFor(kPauseAfterSelect);
    }
    clock_.sleepFor(kPauseAfterSelect);
    memoryAccess(kFlagEnd, 0, address, 0, 0);
    ok = sendReport() && ok;
    for (std::size_t i = 0; i < n && ok; ++i) {
        memoryAccess(kFlagRead, static_cast<std::uint8_t>(i), address, 0, last);
        ok = sendReport();
        clock_.sleepFor(kPauseAfterRead);
        // A failed or short reply must not pass off an older byte of the buffer as data.
        const auto reply = ok ? getReport() : std::nullopt;
        ok = reply && *reply >= 2;
        if (ok)
            bytes[i] = reportBuffer_[1];
    }
    clock_.sleepFor(kPauseAfterRead);
    memoryAccess(kFlagEnd, 0, 0, 0, 0);
    return sendReport() && ok;
}

bool DeviceLink::sendRefresh() {
    const std::lock_guard lock(commandLock_);
    memoryAccess(kFlagRefresh, 0, 0, 0, 0);
    const bool ok = sendReport();
    clock_.sleepFor(kPauseInRefresh);
    memoryAccess(kFlagEnd, 0, 0, 0, 0);
    return sendReport() && ok;
}

std::optional<int> DeviceLink::queryStatus() {
    const std::lock_guard lock(commandLock_);
    reportBuffer_[0] = kReportId;
    const auto n = getReport();
    if (!n || *n < 7)
        return std::nullopt;
    return (reportBuffer_[6] >> 2) & 3;
}

bool DeviceLink::sendPointerMove(int x, int y) {
    const std::lock_guard lock(commandLock_);
    const std::uint16_t ux = toInt16Bits(x);
    const std::uint16_t uy = toInt16Bits(y);
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kPointerMove;
    reportBuffer_[2] = highByte(ux);
    reportBuffer_[3] = lowByte(ux);
    reportBuffer_[4] = highByte(uy);
    reportBuffer_[5] = lowByte(uy);
    reportBuffer_[6] = 0;
    reportBuffer_[7] = 0;
    return sendReport();
}

bool DeviceLink::sendKeyFunction(std::uint8_t deviceKey, std::uint8_t function) {
    const std::lock_guard lock(commandLock_);
    if (!feature_)
        return false;
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kKeyFunction;
    reportBuffer_[2] = deviceKey;
    reportBuffer_[3] = function;
    return sendReport();
}

bool DeviceLink::sendHostMacroButton(bool pressed) {
    const std::lock_guard lock(commandLock_);
    if (!feature_)
        return false;
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kHostMacroButton;
    reportBuffer_[2] = pressed ? 2 : 0;
    std::fill(reportBuffer_.begin() + 3, reportBuffer_.begin() + 8, 0);
    return sendReport();
}

// 13, then:
//   byte 2  LED_USER_COLER_EN*128 + colour mask (7 bits)
//   byte 3  b*128 + effect type*16 + f*8 + (cycle time & 7)
//   byte 4  LED_FEATURE_SCOLOR*128 + LED_FEATURE_SYMMETRY*64 + ((LED_FEATURE_DIREC*16) & 0x30)
//           + light level
//   byte 5  LED_BRIGHT & 7
//   byte 6  (v / 256) & 3;  byte 7  v & 0xFF
// Each field is cut to its own bits, so an out-of-range setting cannot spill into its
// neighbour's.
bool DeviceLink::sendLighting(const LightingEffect& e) {
    const std::lock_guard lock(commandLock_);
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kLighting;
    reportBuffer_[2] =
        static_cast<std::uint8_t>((e.LED_USER_COLER_EN ? 0x80 : 0) | (e.colourMask & 0x7F));
    reportBuffer_[3] = static_cast<std::uint8_t>((e.b ? 0x80 : 0) | ((e.effectType & 7) << 4) |
                                                 (e.f ? 0x08 : 0) | (e.cycleTime & 7));
    reportBuffer_[4] = static_cast<std::uint8_t>(
        (e.LED_FEATURE_SCOLOR ? 0x80 : 0) | (e.LED_FEATURE_SYMMETRY ? 0x40 : 0) |
        ((e.LED_FEATURE_DIREC * 16) & 0x30) | (lightLevel_ & 0x0F));
    reportBuffer_[5] = static_cast<std::uint8_t>(e.LED_BRIGHT & 7);
    reportBuffer_[6] = static_cast<std::uint8_t>((e.v >> 8) & 3);
    reportBuffer_[7] = lowByte(e.v);
    return sendReport();
}

bool DeviceLink::sendDpiColour(int level, int red, int green, int blue) {
    const std::lock_guard lock(commandLock_);
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kDpiColour;
    reportBuffer_[2] = static_cast<std::uint8_t>(((level & 7) << 5) | (green & 0x0F));
    reportBuffer_[3] = static_cast<std::uint8_t>(((red & 0x0F) << 4) | (blue & 0x0F));
    return sendReport();
}

bool DeviceLink::sendConsumerUsage(std::uint16_t usage) {
    const std::lock_guard lock(commandLock_);
    // Byte 0 is always 7 by the time a consumer key plays, but only because an earlier
    // command put it there; set it so the very first command of a run is a report 7 too.
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kConsumerUsage;
    reportBuffer_[2] = highByte(usage);
    reportBuffer_[3] = lowByte(usage);
    return sendReport();
}

bool DeviceLink::sendOwnReport(std::span<const std::uint8_t> report) {
    const std::lock_guard lock(commandLock_);
    if (!feature_ || report.size() != featureLength_)
        return false;
    return feature_->sendFeature(report);
}

bool DeviceLink::sendClosing() {
    const std::lock_guard lock(commandLock_);
    if (!feature_)
        return false;
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kClosing;
    reportBuffer_[2] = 0;
    reportBuffer_[3] = 0;
    return sendReport();
}

// 15 k0 k1 k2 k3 k4 k5. Caller holds the lock.
bool DeviceLink::sendKeyList() {
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kKeyList;
    std::copy(pressedKeys_.begin(), pressedKeys_.end(), reportBuffer_.begin() + 2);
    return sendReport();
}

// 16 - state - - - -. Caller holds the lock.
bool DeviceLink::sendButtonState() {
    reportBuffer_[0] = kReportId;
    reportBuffer_[1] = kButtonState;
    reportBuffer_[3] = buttonState_;
    return sendReport();
}

bool DeviceLink::keyEvent(std::uint8_t code, bool pressed) {
    const std::lock_guard lock(commandLock_);
    if (code < 0xF0) {
        if (pressed) {
            auto free = std::find(pressedKeys_.begin(), pressedKeys_.end(), 0);
            if (free != pressedKeys_.end())
                *free = code;
        } else {
            // A release of a key that is not held (its press found the list full) leaves the
            // list alone: dropping the last slot would let go of a key still held.
            auto held = std::find(pressedKeys_.begin(), pressedKeys_.end(), code);
            if (held != pressedKeys_.end()) {
                std::copy(held + 1, pressedKeys_.end(), held);
                pressedKeys_.back() = 0;
            }
        }
        return sendKeyList();
    }
    if (code == 0xF6)
        return false;
    std::uint8_t bit = 0;
    switch (code) {
        case 0xF1:
            bit = 0x01;
            break;
        case 0xF3:
            bit = 0x02;
            break;
        case 0xF2:
            bit = 0x04;
            break;
        default:
            break;
    }
    if (pressed) {
        buttonState_ = static_cast<std::uint8_t>(buttonState_ & ~bit);
    } else {
        buttonState_ = static_cast<std::uint8_t>(buttonState_ | bit);
    }
    return sendButtonState();
}

bool DeviceLink::pointerMove(int type, int dx, int dy) {
    // Negated in 64 bits: the distances come from macro files, and -INT_MIN does not exist.
    std::int64_t x = 0;
    std::int64_t y = 0;
    switch (type) {
        case 3:
            x = -std::int64_t{dx};
            y = -std::int64_t{dy};
            break;
        case 4:
            x = -std::int64_t{dx};
            y = dy;
            break;
        case 5:
            x = dx;
            y = -std::int64_t{dy};
            break;
        case 6:
            x = dx;
            y = dy;
            break;
        default:
            break;
    }
    return sendPointerMove(static_cast<int>(std::clamp<std::int64_t>(x, -65536, 65536)),
                           static_cast<int>(std::clamp<std::int64_t>(y, -65536, 65536)));
}

bool DeviceLink::releaseAll() {
    const std::lock_guard lock(commandLock_);
    clock_.sleepFor(kPauseInReleaseAll);
    buttonState_ = static_cast<std::uint8_t>(buttonState_ | 0x07);
    const bool buttons = sendButtonState();
    clock_.sleepFor(kPauseInReleaseAll);
    pressedKeys_.fill(0);
    return sendKeyList() && buttons;
}

std::array<std::uint8_t, 6> DeviceLink::pressedKeys() const {
    const std::lock_guard lock(commandLock_);
    return pressedKeys_;
}

std::uint8_t DeviceLink::buttonState() const {
    const std::lock_guard lock(commandLock_);
    return buttonState_;
}

}  // namespace karvo::device

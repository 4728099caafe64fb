// DeviceLink: every exchange with the mouse's configuration collection. All of it travels as
// feature report 7 through one 256-byte report buffer, in the byte layout below; the link owns
// the open handles, the buffer and the held-key and button state of host-side playback, and one
// lock that makes each command (a whole block for the memory operations) one uninterrupted
// exchange, whichever thread sends it.
//
// Report layout (offsets include the report id):
//   byte 0     7, the report id
//   byte 1     command code
//   bytes 2..7 arguments, per command
//   bytes 8..  never written: zero at start, afterwards what the last reply left there; a
//              command also leaves alone the argument bytes it does not list ("-"), which the
//              mouse ignores.
// Memory access (command 0x18): 2 flags, 3 index in block, 4 address low, 5 address high,
// 6 data, 7 block length - 1. Flags: 0x03 write/select a byte, 0x09 commit, 0x05 read a byte,
// 0x00 end, 0x10 refresh.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>

#include "device/lighting_effect.h"
#include "platform/clock.h"
#include "platform/hid_handle.h"

namespace karvo::device {

class DeviceLink {
  public:
    static constexpr std::uint8_t kReportId = 7;
    static constexpr std::size_t kReportBufferSize = 256;
    static constexpr std::size_t kMaxBlockLength = 256;
    // Shortest feature report that holds a command, and input report that holds an event.
    static constexpr std::uint16_t kMinFeatureReportLength = 8;
    static constexpr std::uint16_t kMinInputReportLength = 3;

    // The fixed pauses of the protocol; the mouse has no handshake, it needs the time.
    static constexpr std::chrono::milliseconds kPauseAfterData{4};
    static constexpr std::chrono::milliseconds kPauseAfterCommit{2};
    static constexpr std::chrono::milliseconds kPauseAfterSelect{2};
    static constexpr std::chrono::milliseconds kPauseAfterRead{2};
    static constexpr std::chrono::milliseconds kPauseInRefresh{5};
    static constexpr std::chrono::milliseconds kPauseInReleaseAll{10};

    explicit DeviceLink(Clock& clock);
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // --- handles (set by discovery) ----------------------------------------------------------

    // Takes the handles of a found mouse, closing any earlier ones. The feature report length
    // must lie in 8..256 (discovery refuses other devices); it is the length of every SET and
    // GET. The input handle is shared with the device event thread, which keeps its copy
    // alive for the read in progress.
    void attach(std::unique_ptr<hid::HidHandle> feature, std::uint16_t featureReportLength,
                std::shared_ptr<hid::HidHandle> input, std::uint16_t inputReportLength);
    // Closes both handles (the mouse left, or a new discovery starts). Waits for the command
    // in progress to end.
    void close();

    bool hasFeatureHandle() const;
    std::shared_ptr<hid::HidHandle> inputHandle() const;
    std::uint16_t featureReportLength() const;
    std::uint16_t inputReportLength() const;

    // --- memory protocol ---------------------------------------------------------------------

    // Writes bytes (1 to 256 of them) at `address`:
    //   n data reports  18 03 i aL aH d[i] n-1   (i = 0..n-1, no pause between them)
    //   wait 4 ms, commit 18 09 00 aL aH 00 n-1, wait 2 ms, end 18 00 00 aL aH 00 00
    // (n + 2 reports). False, and nothing sent, for an empty or longer block or one running
    // past address 0xFFFF. When a report fails the block is not committed: the link waits
    // 2 ms, sends the end report and returns false, so the mouse never stores a block with a
    // byte missing.
    [[nodiscard]] bool writeBlock(std::uint16_t address, std::span<const std::uint8_t> bytes);

    // Reads bytes.size() bytes (1 to 256) from `address`:
    //   n select reports 18 03 i aL aH 00 n-1, each followed by 2 ms;
    //   wait 2 ms, end 18 00 00 aL aH 00 00;
    //   n reads 18 05 i aL aH 00 n-1, each followed by 2 ms and a GET whose byte 1 is
    //   bytes[i]; wait 2 ms, end 18 00 00 00 00 00 00
    // (2n + 2 SETs, n GETs, 4n + 4 ms). False when any report fails or a reply is not a
    // report 7 of at least 2 bytes: then the sequence stops, the final end is still sent, and
    // `bytes` must not be used.
    [[nodiscard]] bool readBlock(std::uint16_t address, std::span<std::uint8_t> bytes);

    // Makes the mouse apply its memory: 18 10 00 00 00 00 00, wait 5 ms, 18 00 00 00 00 00 00.
    bool sendRefresh();

    // GET of feature report 7 (byte 0 set to 7 first); the reply overwrites the report buffer.
    // Returns the profile the mouse is using, bits 2 and 3 of reply byte 6; nothing when the
    // GET fails or the reply is shorter than 7 bytes.
    std::optional<int> queryStatus();

    // --- single-report commands (bytes 1..7; "-" = left as it was) -------------------------

    bool sendPointerMove(int x, int y);  // 0B xH xL yH yL 00 00, 16-bit two's complement
    // 10 key function - - - -. Nothing sent without a feature handle.
    bool sendKeyFunction(std::uint8_t deviceKey, std::uint8_t function);
    // 11 (2 pressed | 0 released) 00 00 00 00 00. Nothing sent without a feature handle.
    bool sendHostMacroButton(bool pressed);
    bool sendLighting(const LightingEffect& effect);  // 13 and six bytes, see the .cpp
    // 14 (level*32 + green) (red*16 + blue) - - - -; level 0..5, colour levels 0..15.
    bool sendDpiColour(int level, int red, int green, int blue);
    bool sendConsumerUsage(std::uint16_t usage);  // 17 usageH usageL - - - -
    // 20 00 00 - - - -: the program is closing. Nothing sent without a feature handle.
    bool sendClosing();

    // A whole report built by the caller in a buffer of its own (sound-reactive lighting keeps
    // one for command 0x13): report[0] the report id, report.size() the feature report
    // length. Sent as it is, under the command lock, so it never goes out between the reports
    // of a block. False, and nothing sent, without a feature handle or when the size is not
    // the feature report length (a mouse found again since the caller sized its buffer).
    bool sendOwnReport(std::span<const std::uint8_t> report);

    // --- host-side playback: keys, buttons, pointer ------------------------------------------

    // A key (code < 0xF0) or mouse-button (0xF0..0xFF) step of a macro. Keys: a press takes
    // the first free slot of the six-slot pressed-key list (ignored when all are taken), a
    // release removes the first slot holding the code and packs the rest; then
    // 15 k0 k1 k2 k3 k4 k5. Buttons: 0xF1 left (bit 0), 0xF3 right (bit 1), 0xF2 middle
    // (bit 2) of the active-low state byte; a press clears the bit, a release sets it; any
    // other code changes nothing; then 16 - state - - - -. 0xF6 is a pointer step (use
    // pointerMove): nothing is sent and false returned.
    bool keyEvent(std::uint8_t code, bool pressed);

    // A pointer step: type 3 (-dx, -dy), 4 (-dx, dy), 5 (dx, -dy), 6 (dx, dy), else (0, 0),
    // sent as command 0x0B. Values beyond 16 bits are held at the 16-bit limits.
    bool pointerMove(int type, int dx, int dy);

    // Lets go of everything: wait 10 ms, set the three button bits and send 0x16, wait
    // 10 ms, clear the key list and send 0x15. One uninterrupted exchange.
    bool releaseAll();

    std::array<std::uint8_t, 6> pressedKeys() const;
    std::uint8_t buttonState() const;

    // The light level of command 0x13 byte 4 (0 to 15): 7 unless sound-reactive lighting
    // moves it.
    void setLightLevel(std::uint8_t level) { lightLevel_ = static_cast<std::uint8_t>(level & 15); }
    std::uint8_t lightLevel() const { return lightLevel_; }

  private:
    void memoryAccess(std::uint8_t flags, std::uint8_t index, std::uint16_t address,
                      std::uint8_t data, std::uint8_t lengthByte);
    bool sendReport();
    std::optional<std::size_t> getReport();
    bool sendKeyList();
    bool sendButtonState();

    Clock& clock_;
    std::atomic<std::uint8_t> lightLevel_{7};

    mutable std::mutex commandLock_;  // guards everything below up to inputLock_
    std::unique_ptr<hid::HidHandle> feature_;
    std::uint16_t featureLength_ = 0;
    std::array<std::uint8_t, kReportBufferSize> reportBuffer_{};
    std::uint8_t buttonState_ = 0xFF;
    std::array<std::uint8_t, 6> pressedKeys_{};

    // The event thread's side, apart so that a long block never holds up reading events.
    mutable std::mutex inputLock_;
    std::shared_ptr<hid::HidHandle> input_;
    std::uint16_t inputLength_ = 0;
};

}  // namespace karvo::device

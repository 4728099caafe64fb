// The emulated Karvo G7 Pro: the firmware's side of the configuration protocol, strict enough
// to catch every malformed sequence the program could send. It holds the 64 KiB memory, answers
// the byte-wise memory protocol and the status query on feature report 7, records the live
// commands in order, and raises input reports 6 on request. Thread-safe: the program's threads
// talk to it the way they would talk to the real mouse.
#pragma once

#include <array>
#include <bitset>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/hid_handle.h"

namespace karvo::sim {

class EmulatedMouse {
  public:
    static constexpr std::uint16_t kVendorId = 0x5E3D;
    static constexpr std::uint16_t kProductId = 0x2A17;
    static constexpr std::uint16_t kOtherProductId = 0x2A2C;
    static constexpr std::size_t kMemorySize = 65536;
    static constexpr std::uint8_t kFeatureReportId = 7;
    static constexpr std::uint8_t kInputReportId = 6;

    struct Options {
        std::uint16_t productId = kProductId;
        std::string productString = "Karvo G7 Pro Gaming Mouse";
        std::uint16_t featureReportLength = 64;  // report id included
        std::uint16_t inputReportLength = 8;     // report id included
        std::filesystem::path stateFile;         // raw memory, byte i = address i; empty: none
        std::filesystem::path reportLog;         // one line per report; empty: none
        bool keepReports = true;  // keep reports() in memory; off for long --simulate runs
    };

    // One report as the mouse saw it, with the time of the clock given at construction.
    struct LoggedReport {
        enum class Kind { Set, Get, In };
        Clock::duration at{};  // since the mouse was created
        Kind kind = Kind::Set;
        std::vector<std::uint8_t> bytes;
    };

    // A live command: its code and bytes 2..7 of the report.
    struct LiveCommand {
        std::uint8_t code = 0;
        std::array<std::uint8_t, 6> args{};
        bool operator==(const LiveCommand&) const = default;
    };

    EmulatedMouse(Clock& clock, Options options);
    ~EmulatedMouse();  // saves the memory to the state file
    EmulatedMouse(const EmulatedMouse&) = delete;
    EmulatedMouse& operator=(const EmulatedMouse&) = delete;

    const Options& options() const { return options_; }

    // --- the host's side: what a HID handle on the mouse calls -----------------------------

    // A SET_REPORT of a feature report. False when the mouse refuses it (wrong report id) or
    // is unplugged; malformed contents are logged as protocol errors and still accepted, as
    // the firmware acknowledges every report it receives.
    bool setFeature(std::span<const std::uint8_t> report);

    // A GET_REPORT of feature report 7. The reply is 7, then the byte selected by the last
    // read report (0 when none), zeros, and the status byte at offset 6 whose bits 2 and 3 are
    // the current profile; as long as the feature report length, or the reply length set by
    // cutRepliesTo(). Nothing when unplugged or when an injected failure hits.
    std::optional<std::size_t> getFeature(std::span<std::uint8_t> report);

    // Waits up to `timeout` (real time) for the next input report.
    hid::InputRead readInput(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout);

    // --- the user's side: what happens on the mouse -----------------------------------------

    // What the firmware did for a key that went down.
    struct KeyDown {
        int deviceKey = 0;
        std::uint8_t deviceFunction = 0;  // bits 0 to 4 of the key byte in memory
        int profileBefore = 0, profile = 0;
        int dpiLevelBefore = 0, dpiLevel = 0;
    };

    // The user presses device key k (1 to 14): the firmware looks up the key's function in the
    // key bytes written into its memory for the current profile and acts on it, then raises
    // the press report, which carries the DPI level after the press:
    //   6 DPI cycle (the next enabled level, round), 11 DPI up and 12 DPI down (the next
    //   enabled level that way, stopping at the end); 23 cycle profiles (round), 24 next
    //   profile, 25 previous profile (stopping at the end), 26 first profile.
    // Every other function (macros, consumer, host-notified keys) only reports; the host acts.
    // The new profile and DPI level are kept in memory (header byte 1 and address 118, address
    // 24), so they last in the state file as on the mouse.
    KeyDown keyDown(int deviceKey);
    void keyUp(int deviceKey);  // the release report

    // Raw reports, whatever the key's function: for tests that drive the host side alone.
    void pressKey(int deviceKey);     // input report 6: 0xF0 + key, DPI level
    void releaseKey(int deviceKey);   // input report 6: 0xF0 + key, 0x80 | DPI level
    void switchProfile(int profile);  // sets the profile (0 to 3), input report 6: 3
    void adjust(bool up);             // input report 6: 1 (up) or 2 (down)
    void setDpiLevel(int level);      // 0 to 5; carried by the key reports that follow
    void setProfile(int profile);     // changes the profile without a report

    // Unplugging makes every exchange fail and wakes waiting readers.
    void setConnected(bool connected);
    bool connected() const;

    // --- for tests ----------------------------------------------------------------------------

    // The next `count` exchanges (SET or GET) succeed, the one after fails once.
    void failExchangeAfter(std::size_t count);
    // GET replies are cut to `length` bytes (a misbehaving firmware).
    void cutRepliesTo(std::size_t length);

    std::vector<std::uint8_t> memory(std::size_t address, std::size_t length) const;
    void setMemory(std::size_t address, std::span<const std::uint8_t> bytes);
    std::vector<LoggedReport> reports() const;
    std::vector<LiveCommand> liveCommands() const;
    std::vector<std::string> protocolErrors() const;
    int refreshCount() const;
    int profile() const;
    int dpiLevel() const;
    void clearLog();  // forgets reports, live commands and protocol errors

    // Writes the memory to the state file now (also done on refresh and at destruction).
    bool saveState() const;

  private:
    struct Block {
        std::uint16_t address = 0;
        std::size_t length = 0;
        std::array<std::uint8_t, 256> data{};
        std::bitset<256> received;
        bool committed = false;
    };

    void memoryAccess(std::span<const std::uint8_t> report);
    void writeReport(std::uint16_t address, std::size_t length, std::size_t index,
                     std::uint8_t data);
    void commitReport(std::uint16_t address, std::size_t length);
    void endReport();
    void readReport(std::uint16_t address, std::size_t length, std::size_t index);
    void liveCommand(std::span<const std::uint8_t> report);
    void raiseInput(std::uint8_t code, std::uint8_t argument);
    bool injectedFailure();
    void log(LoggedReport::Kind kind, std::span<const std::uint8_t> bytes);
    void error(std::string message);
    bool saveStateLocked() const;
    // Takes the current profile and DPI level from memory, as the firmware does when it
    // starts or refreshes; memory that holds no configuration changes nothing.
    void adoptMemoryStateLocked();
    static std::size_t keyByteAddress(int profile, int deviceKey);

    Clock& clock_;
    const Options options_;
    const Clock::time_point start_;

    mutable std::mutex mutex_;
    std::condition_variable inputArrived_;
    std::vector<std::uint8_t> memory_;
    std::optional<Block> open_;      // block being written or selected
    std::optional<Block> selected_;  // block selected for reading
    std::optional<std::uint8_t> readData_;
    std::deque<std::vector<std::uint8_t>> inputQueue_;
    std::vector<LoggedReport> reports_;
    std::vector<LiveCommand> liveCommands_;
    std::vector<std::string> errors_;
    std::ofstream reportLog_;
    int profile_ = 0;
    int dpiLevel_ = 0;
    int refreshes_ = 0;
    bool connected_ = true;
    std::optional<std::size_t> failAfter_;
    std::optional<std::size_t> replyLength_;
};

}  // namespace karvo::sim

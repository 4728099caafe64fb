// DeviceMemoryImage: the mouse's whole configuration as the ordered block writes that put it
// into its memory, and the memory they leave. Built from the settings, the macro sources and the
// previous download without a device; DownloadAll sends it, the command-line tool reads it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/key_assignments.h"
#include "device/key_descriptor_table.h"
#include "device/macro_sources.h"
#include "macro/mac_vk_and_text.h"
#include "settings/device_description.h"
#include "settings/settings_model.h"

namespace karvo::device {

// One writeBlock of 1 to 8 bytes.
struct BlockWrite {
    std::uint16_t address = 0;
    std::uint8_t length = 0;
    std::array<std::uint8_t, 8> data{};
    std::span<const std::uint8_t> bytes() const { return std::span(data).first(length); }
    bool operator==(const BlockWrite&) const = default;
};

// What one download leaves for the next: the macro area end (written again at address 110 of
// the next image) and the effect code that LED_TYPE 13 keeps.
struct PreviousDownload {
    std::uint16_t macroAreaEnd = 0;
    std::uint8_t effectCode = 0;
    bool operator==(const PreviousDownload&) const = default;
};

// A notice to show once `beforeWrite` writes have been sent.
struct PlannedNotice {
    std::size_t beforeWrite = 0;
    int tipText = 0;
    bool operator==(const PlannedNotice&) const = default;
};

class DeviceMemoryImage {
  public:
    // The image covers addresses 0 to 4095; the mouse's configuration ends at 3871.
    static constexpr std::size_t kSize = 4096;
    static constexpr std::uint16_t kProductId = 0x2A17;  // whichever product was found
    static constexpr std::uint16_t kVendorId = 0x5E3D;
    static constexpr int kTipMacrosDoNotFit = 29;
    static constexpr std::uint16_t kChunkLimit = 0xF20;  // no macro chunk at or beyond

    struct Inputs {
        std::int32_t variantFlag = 1;  // 0: the whole header is written; else its byte 1
        std::uint8_t lightLevel = 7;   // light level of the lighting feature byte
        PreviousDownload previous;
    };

    // Builds the image. The writes, in order:
    //   header      VariantFlag 0: 8 bytes at 0; otherwise byte 1 alone at 1
    //   settings    8-byte blocks at 8, 16, ... 104, then at 152
    //   descriptors 70 blocks at 160 ... 712
    //   macro end   2 bytes at 110, trailer 8 bytes at 112
    //   macros      each slot's image (shared slots once), 8-byte blocks at base, base + 8, ...
    // A slot that would end beyond 3871 stops the writes after the block at 152 (TipText 29); a
    // macro that cannot be encoded stops them before its first block (TipText 6); then no
    // refresh or later step follows.
    // The settings blocks (the key bytes are those of KeyAssignments):
    //   0   5A, ((profile * 32) & 60) + 3, A5, product id 2A17 and vendor id 5E3D low byte
    //       first, 10
    //   16  key byte of profile 0 key 9, 0, 0, bit k = bit 4 of DPI value k, 8, then the low
    //       nibbles of the DPI values 0/1, 2/3, 4/5 (value k = table[DPI_SET k])
    //   24  18 + DPI_LEVEL & 7, bit k = DPI_SET_EN k, FIRE_TIME / 8 (16 bits, low first),
    //       80 + effect & 7 * 16 + flag * 8 + speed & 7, LED_USER_COLER_EN * 80 + cycle mask,
    //       report-rate code, 0
    //   32  colour pairs LED_USER i c * 16 + DPI i c for level i 0..5, component r, g, b
    //   50  FF, 3F + bit 3 of the effect code * 10, 0, 0, 0, 0
    //   56  0, 0, symmetry & 1 * 40 + direction & 3 * 10 + light level & F, key bytes of
    //       profile 0 keys 10..12, user colour 6: red * 16 + green, bright & 7 * 16 + blue
    //   64  0, 0, 0, 5F, profile 1 keys 1..4; 72 profile 1 keys 5..12; 80 profile 2 keys
    //       1..8; 88 profile 2 keys 9..12, 0 x 4; 96 profile 3 keys 1..8; 104 profile 3 keys
    //       9..12, 0, 0, previous macro area end (low first); 8 profile 0 keys 1..8
    //   152 macro colours (3 bits, MAC_COR): key 2 + 8 * key 3, keys 4/5, 6/7, 8/9, 10/11,
    //       key 12, 0, 0
    // The trailer at 112: end + 8, end + 16, end + 24 (16 bits each, low first),
    // MODE_LIGHT & 1 * 80 + 40 + profile & 3, 71.
    static DeviceMemoryImage build(const Settings& settings, const DeviceDescription& description,
                                   const MacroSources& sources, const MacVkAndText& keys,
                                   const Inputs& inputs);

    // The device DPI value of a DPI_SET step: 1 to 10, 12 to 24 for steps 0 to 22 (11 is
    // skipped); steps beyond 22 give the value of 22.
    static std::uint8_t dpiValue(std::uint8_t step);

    std::span<const BlockWrite> writes() const { return writes_; }
    // Memory 0..4095 after the writes, starting from all zeros.
    std::span<const std::uint8_t, kSize> bytes() const { return memory_; }
    std::span<const PlannedNotice> notices() const { return notices_; }
    // True when the writes end early (TipText 29 or 6 is among the notices): no refresh.
    bool stopped() const { return stopped_; }

    // The product variant the image was built for (Inputs::variantFlag).
    std::int32_t variantFlag() const { return inputs_.variantFlag; }

    const KeyAssignments& assignments() const { return assignments_; }
    const KeyDescriptorTable& descriptors() const { return descriptors_; }

    // What the next download should take as previous, given that the first `writesSent`
    // writes reached the mouse: the effect code once the state block at 24 is sent, the macro
    // area end once the 2 bytes at 110 are.
    PreviousDownload stateAfter(std::size_t writesSent) const;

    // Device keys that command 0x10 (function byte 0) goes to after the refresh when
    // SOFT_HARD_MAC is 1: those of the current profile's slots with function 18 or 41 and up.
    std::span<const std::uint8_t> hostKeys() const { return hostKeys_; }

  private:
    void add(std::uint16_t address, std::span<const std::uint8_t> bytes);
    void stop(int tipText);

    std::vector<BlockWrite> writes_;
    std::array<std::uint8_t, kSize> memory_{};
    std::vector<PlannedNotice> notices_;
    bool stopped_ = false;
    KeyAssignments assignments_;
    KeyDescriptorTable descriptors_;
    Inputs inputs_;
    std::uint8_t effectCode_ = 0;
    std::optional<std::size_t> stateWrite_;
    std::optional<std::size_t> macroEndWrite_;
    std::vector<std::uint8_t> hostKeys_;
};

}  // namespace karvo::device

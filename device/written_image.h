// WrittenImage: what the mouse is known to hold because this program wrote it, completely and
// successfully, in the current connection; and the stores that keep it between applies. An apply
// compares its new image with it and sends only the blocks that differ (see ApplyPlan), which is
// the one way to be fast: the protocol's pauses, not the program, cost the time of a download.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "device/device_memory_image.h"

namespace karvo::device {

struct WrittenImage {
    static constexpr std::size_t kSize = DeviceMemoryImage::kSize;

    // Memory 0..4095 as the mouse holds it where `known` is set; elsewhere nothing is known
    // (addresses this program never wrote keep whatever was there before).
    std::array<std::uint8_t, kSize> bytes{};
    std::bitset<kSize> known;
    // What the download that wrote it left for the next one.
    PreviousDownload previous;
    std::int32_t variantFlag = 1;

    bool operator==(const WrittenImage&) const = default;

    // The memory a complete download of `image` leaves at its written addresses, the state it
    // hands on and the variant it was built for.
    static WrittenImage of(const DeviceMemoryImage& image);
};

// Keeps the last written image of one connected mouse. The downloader forgets it before the
// first block of any download goes out and remembers the new one only once the whole download,
// refresh and follow-ups included, reached the mouse: a download that ends in any other way
// leaves nothing, so the next one writes everything.
class WrittenImageStore {
  public:
    struct Loaded {
        std::optional<WrittenImage> image;
        // Why a kept record was not usable (damaged, another device or connection); empty when
        // there simply is none. Worth a note to the user: the next apply writes everything.
        std::string problem;
    };

    // Held while another program must keep off the mouse.
    class Hold {
      public:
        virtual ~Hold() = default;
    };

    virtual ~WrittenImageStore() = default;
    // Keeps the other programs that write or read this mouse (the window, karvoctl) off it
    // while the returned object lives: a download or a read of the memory is many reports, and
    // another program's reports between them would leave a mix of two writes in the mouse, or
    // the zeros a read selects with, under a record that claims one of them. Null when another
    // program kept the mouse for the whole wait. A store only this process uses holds nothing.
    virtual std::unique_ptr<Hold> holdDevice() { return std::make_unique<Hold>(); }
    virtual Loaded load() = 0;
    virtual void forget() = 0;
    virtual void remember(const WrittenImage& image) = 0;
};

// In memory: the window on a mouse nothing else can write (the emulated one), and tests.
// Thread-safe.
class MemoryWrittenImageStore final : public WrittenImageStore {
  public:
    Loaded load() override;
    void forget() override;
    void remember(const WrittenImage& image) override;

  private:
    std::mutex lock_;
    std::optional<WrittenImage> image_;
};

}  // namespace karvo::device

// ApplyPlan: which of an image's writes an apply sends. A complete download sends every one; a
// changed-block apply only those that change what the mouse holds, still in the image's order,
// so the mouse ends with exactly the bytes the complete download would have left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "device/device_memory_image.h"
#include "device/written_image.h"

namespace karvo::device {

class ApplyPlan {
  public:
    // Why a plan sends what it sends.
    enum class Reason {
        Changed,       // only the writes that differ from the last written image
        Asked,         // every write, because the caller asked for it
        NothingKnown,  // every write: nothing was written completely in this connection yet
        OtherVariant,  // every write: the last image was written for the other product
        StopsEarly,    // every write up to the stop: the image does not fit, nothing to compare
    };

    // Every write of the image.
    static ApplyPlan all(const DeviceMemoryImage& image, Reason reason);

    // The writes that change the mouse's memory. The writes are played in order over `before`
    // (a write later in the image sees the bytes of the earlier ones, as the mouse would): one is
    // left out when every byte it covers is known and already holds the value it would write.
    // Falls back to every write when `before` belongs to the other variant or the image stops
    // early.
    static ApplyPlan changed(const DeviceMemoryImage& image, const WrittenImage& before);

    bool sends(std::size_t write) const { return write < send_.size() && send_[write]; }
    std::size_t count() const { return count_; }  // writes sent
    std::size_t total() const { return send_.size(); }
    bool sendsAll() const { return count_ == send_.size(); }
    Reason reason() const { return reason_; }

    // A few words for the user on why everything is written ("" for Changed).
    static std::string_view describe(Reason reason);

  private:
    std::vector<bool> send_;
    std::size_t count_ = 0;
    Reason reason_ = Reason::Asked;
};

}  // namespace karvo::device

// Choosing the writes of an apply; see apply_plan.h.
#include "device/apply_plan.h"

#include <algorithm>

namespace karvo::device {

ApplyPlan ApplyPlan::all(const DeviceMemoryImage& image, Reason reason) {
    ApplyPlan plan;
    plan.send_.assign(image.writes().size(), true);
    plan.count_ = plan.send_.size();
    plan.reason_ = reason;
    return plan;
}

ApplyPlan ApplyPlan::changed(const DeviceMemoryImage& image, const WrittenImage& before) {
    if (before.variantFlag != image.variantFlag())
        return all(image, Reason::OtherVariant);
    // A stopped image shows its notice at a place in the writes and sends no refresh; the
    // mouse then holds a part of it, which only a complete download describes.
    if (image.stopped())
        return all(image, Reason::StopsEarly);

    ApplyPlan plan;
    plan.reason_ = Reason::Changed;
    const auto writes = image.writes();
    plan.send_.assign(writes.size(), false);
    WrittenImage mouse = before;  // what the mouse holds as the writes go by
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const BlockWrite& w = writes[i];
        const std::size_t end = std::size_t{w.address} + w.length;
        bool same = end <= WrittenImage::kSize;
        for (std::size_t a = w.address; same && a < end; ++a)
            same = mouse.known[a] && mouse.bytes[a] == w.data[a - w.address];
        if (same)
            continue;
        plan.send_[i] = true;
        ++plan.count_;
        for (std::size_t a = w.address; a < std::min(end, WrittenImage::kSize); ++a) {
            mouse.bytes[a] = w.data[a - w.address];
            mouse.known[a] = true;
        }
    }
    return plan;
}

std::string_view ApplyPlan::describe(Reason reason) {
    switch (reason) {
        case Reason::Changed:
            return "";
        case Reason::Asked:
            return "a complete write was asked for";
        case Reason::NothingKnown:
            return "no complete write to compare with since the mouse was connected";
        case Reason::OtherVariant:
            return "the last complete write was for the other product variant";
        case Reason::StopsEarly:
            return "the configuration does not fit completely";
    }
    return "";
}

}  // namespace karvo::device

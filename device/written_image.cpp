// The last written image and its memory store; see written_image.h.
#include "device/written_image.h"

#include <algorithm>

namespace karvo::device {

WrittenImage WrittenImage::of(const DeviceMemoryImage& image) {
    WrittenImage w;
    const auto memory = image.bytes();
    std::copy(memory.begin(), memory.end(), w.bytes.begin());
    for (const BlockWrite& b : image.writes()) {
        const std::size_t end = std::min(std::size_t{b.address} + b.length, kSize);
        for (std::size_t a = b.address; a < end; ++a)
            w.known.set(a);
    }
    w.previous = image.stateAfter(image.writes().size());
    w.variantFlag = image.variantFlag();
    return w;
}

WrittenImageStore::Loaded MemoryWrittenImageStore::load() {
    const std::lock_guard lock(lock_);
    return {image_, {}};
}

void MemoryWrittenImageStore::forget() {
    const std::lock_guard lock(lock_);
    image_.reset();
}

void MemoryWrittenImageStore::remember(const WrittenImage& image) {
    const std::lock_guard lock(lock_);
    image_ = image;
}

}  // namespace karvo::device

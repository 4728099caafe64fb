// The current group's macro table; see macro_table.h.
#include "macro/macro_table.h"

#include <algorithm>

namespace karvo {

void MacroTable::setCount(long long count) {
    count_ = static_cast<std::size_t>(std::clamp<long long>(count, 0, kMaxMacros));
}

bool MacroTable::clear(std::size_t i) {
    if (i >= kMaxMacros)
        return false;
    slots_[i] = blank();
    return true;
}

void MacroTable::clearAll() {
    for (std::size_t i = 0; i < kMaxMacros; ++i)
        slots_[i] = blank();
    count_ = 0;
    fileVersion_ = kCurrentVersion;
}

}  // namespace karvo

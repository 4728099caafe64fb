// The entries of a skinned dialog as screen readers see them, from its control table
// (layout_index.h): every control that acts or shows a value, named by its caption in the
// layout file or, where the picture carries no text, by the control table's own name.
#pragma once

#include <vector>

#include "ui/skin/accessible.h"
#include "ui/skin/layout_files.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

std::vector<AccessibleEntry> layoutEntries(LayoutFile file, const SkinLayout& layout);

}  // namespace karvo

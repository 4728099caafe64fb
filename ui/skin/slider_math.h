// The arithmetic of the window's sliders: the step under the cursor during a drag, and the
// width of a slider's filled part for a value. Shared by the drawing and the drag.
#pragma once

#include <cstdint>

#include "ui/skin/skin_layout.h"

namespace karvo::slider {

// The step (1 .. steps) under cursor x for a slider entry: 1 at or left of its left edge and
// within the first step's width, `steps` past steps - 0.5 step widths, else the nearest step.
int stepAt(std::int32_t x, const SkinRect& entry, int steps);

// The cursor x that stepAt reads as `step` (clamped to 1 .. steps): the step's own point, so a
// key that moves a slider by one step lands exactly where a drag to that step would. The last
// step lies at the right edge, which is outside the entry: a drag reaches it from there.
std::int32_t xOfStep(int step, const SkinRect& entry, int steps);

// Filled width, in picture pixels, of a slider with `steps` steps showing `value`: value x
// entry width / steps (divided by the scale); the whole entry from `steps` on, nothing below 0.
std::int32_t fillWidth(int value, const SkinRect& entry, int steps, int scale);

// Filled width of the DPI value slider for step index v (0 .. 16): trunc((v + 1) x step / s),
// the step being the slider's length / 17.
std::int32_t dpiFillWidth(int v, float step, int scale);

}  // namespace karvo::slider

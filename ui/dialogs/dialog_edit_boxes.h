// The edit boxes a skinned dialog may have on top of its picture (the gun dialog's value
// boxes). A dialog that has some implements this beside SkinnedWindow; the platform places a
// line edit on each box, shows its text and state, and hands back what the user types.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/skin/skin_layout.h"

namespace karvo {

class DialogEditBoxes {
  public:
    virtual ~DialogEditBoxes() = default;
    virtual std::size_t editBoxCount() const = 0;
    // The box's rectangle in window pixels.
    virtual SkinBox editBox(std::size_t box) const = 0;
    virtual std::string editText(std::size_t box) const = 0;
    virtual bool editEnabled(std::size_t box) const = 0;
    virtual void onEditText(std::size_t box, std::string_view text) = 0;
};

}  // namespace karvo

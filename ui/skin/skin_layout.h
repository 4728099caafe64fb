// The parsed layout of one skinned window: a fixed number of entries, each a rectangle and a
// text, indexed by the key numbers of the window's [BUTTONPOS] section. The window code refers
// to its controls by these indexes only (see layout_index.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/notifier.h"
#include "platform/private_profile.h"

namespace karvo {

// x, y, width, height in window pixels (already multiplied by the layout scale).
struct SkinRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    // Left and top edges inside, right and bottom edges outside; an empty rectangle holds
    // no point, so an entry missing from its file can never be hit.
    bool contains(std::int32_t px, std::int32_t py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const SkinRect&) const = default;
};

// A rectangle given by its corners, as [EDIT] and [MACRODISPLAY] are kept.
struct SkinBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const SkinBox&) const = default;
};

struct SkinEntry {
    SkinRect rect;
    std::string text;
};

class SkinLayout {
  public:
    SkinLayout() = default;
    explicit SkinLayout(std::size_t count) : entries_(count) {}

    std::size_t size() const { return entries_.size(); }
    std::span<const SkinEntry> entries() const { return entries_; }

    // The entry at `index`; an index outside the table (negative, or past the window's count)
    // gives an empty entry rather than reading past the table.
    const SkinEntry& entry(int index) const;
    const SkinRect& rect(int index) const { return entry(index).rect; }
    const std::string& text(int index) const { return entry(index).text; }

    // Moves the text of an entry out of the table (the main window's web address is kept
    // apart and never drawn).
    std::string takeText(int index);

    // Keys "0" to count - 1 of `section` with the window files' reader; coordinates are
    // multiplied by `scale`. Missing keys leave empty entries.
    static SkinLayout read(const ini::IniSnapshot& file, std::string_view section,
                           std::size_t count, int scale);

    // The same with the dialogs' reader; a value with more than six commas is reported once
    // per value through `notifier` ("加载ini错误！") and read all the same.
    static SkinLayout readDialog(const ini::IniSnapshot& file, std::string_view section,
                                 std::size_t count, int scale, Notifier& notifier);

    // [EDIT]/[MACRODISPLAY]-style key: pieces 1 to 4 of the window reader as corners.
    static SkinBox readBox(const ini::IniSnapshot& file, std::string_view section,
                           std::string_view key, int scale);

  private:
    std::vector<SkinEntry> entries_;
};

// The message the dialogs show for a value with more than six commas.
inline constexpr std::string_view kDialogValueErrorText = "加载ini错误！";
// The message the dialogs and the language loader show for a missing file.
inline constexpr std::string_view kMissingFileText = "找不到配置文件";

}  // namespace karvo

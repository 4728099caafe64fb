// The step editor of the macro page: inserting and deleting steps with the per-kind counters and
// the lighting records kept in step with the steps, and the in-place edits of delays, cursor moves
// and sensitivity levels. It works on a record the caller holds; saving is the caller's business.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "macro/macro_record.h"
#include "platform/notifier.h"

namespace karvo {

// What a command of the step pop-ups does.
struct StepCommand {
    enum class Type {
        InsertBefore,  // at the selected step
        InsertAfter,   // after the selected step
        Modify,        // edit the selected line in place (delay, move, sensitivity) or pick a key
        Delete,
    };
    Type type = Type::Delete;
    std::uint8_t key = 0;
    std::uint8_t kind = 0;
    bool operator==(const StepCommand&) const = default;
};

// Menu numbers the skinned pop-ups report with their item numbers.
inline constexpr int kStepMenu = 13;      // items 1 Modify, 2 Delete
inline constexpr int kStepEditMenu = 14;  // the insert menu and its sub-menus

// The command behind an item of menu 13 or 14, or nothing for an item neither menu has.
std::optional<StepCommand> stepCommandFor(int menu, int item);

class MacroStepEditor {
  public:
    static constexpr int kTipStepLimit = 21;  // no room for another step
    static constexpr int kTipKindLimit = 6;   // no room for another step of that kind
    static constexpr int kTipDelayCut = 21;   // a typed delay above the maximum
    static constexpr int kTipMoveCut = 6;     // a typed distance above the maximum
    static constexpr std::uint16_t kNewDelay = 100;
    static constexpr std::uint16_t kNewMoveY = 10;
    static constexpr std::uint16_t kMaxDelay = 10000;
    static constexpr std::uint16_t kMaxMove = 100;
    static constexpr std::uint16_t kDefaultLevel = 4;  // 800 DPI
    static constexpr std::string_view kCpiChoices =
        "CPI(:200/400/600/800/1000/1200/1600/2000/2400/3200/4000/4800)";

    // `notifier` must outlive the editor.
    explicit MacroStepEditor(Notifier& notifier) : notifier_(notifier) {}

    // Where a command inserts, from the selected step (nothing: no selection): at the selected
    // step, or after it; always 0 in an empty macro and never beyond the last step + 1.
    static std::size_t insertIndex(const MacroRecord& macro, std::optional<std::size_t> selected,
                                   StepCommand::Type where);

    // Inserts a step with `key` and `kind` at `index` (cut to the step count) with a delay of
    // 100 and the defaults of its key: a move goes 0 right and 10 down, a sensitivity step sets
    // level 4, a lighting step gets a fresh lighting record, numbered after the lighting steps
    // before it. Refuses with TipText 21 at 275 steps and with TipText 6 when the step's kind is
    // at its limit, so the counters the device encoding sizes its areas from always match the
    // steps. Returns the index of the new step.
    std::optional<std::size_t> insert(MacroRecord& macro, std::size_t index, std::uint8_t key,
                                      std::uint8_t kind);

    // Deletes step `index`: its kind's counter goes down, later lighting steps of the same
    // table are numbered down with their records and the freed record is cleared.
    bool remove(MacroRecord& macro, std::size_t index);

    // In-place edit of the delay after step `index`. The text is a number, or a number followed
    // by `suffix` (the milliseconds text the line shows); anything else changes nothing. A value
    // above 10000 gives TipText 21 and stores 10000.
    bool editDelay(MacroRecord& macro, std::size_t index, std::string_view text,
                   std::string_view suffix);

    // In-place edit of a move or set-sensitivity step's line; other steps change nothing.
    // A move reads "...:X,...:Y" (both numbers, else no change; above 100: a warning and 100).
    // A sensitivity step reads "...:DPI" where DPI is one the mouse offers; any other text shows
    // the list of choices and stores level 4.
    bool editParameters(MacroRecord& macro, std::size_t index, std::string_view text);

    // Gives step `index` another key picked by the user. Only key presses and releases of
    // keyboard keys and mouse buttons take another key, and only such a key: a step must not
    // become a counted kind behind its counter's back.
    bool changeKey(MacroRecord& macro, std::size_t index, std::uint8_t key);

    // The value a text of digits stands for, saturating far above any limit; nothing when the
    // text is empty or holds anything but digits.
    static std::optional<std::uint32_t> parseDigits(std::string_view text);
    // The level that sets `dpi`, or nothing for a DPI the mouse does not offer.
    static std::optional<std::uint16_t> levelForDpi(std::uint32_t dpi);

  private:
    bool editMove(MacroAction& step, std::string_view text);
    bool editSensitivity(MacroAction& step, std::string_view text);

    Notifier& notifier_;
};

}  // namespace karvo

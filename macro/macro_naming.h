// Names of macro groups and macros: the rule that makes a new name unique with a two-digit
// counter, and the cleaning of names the user types or a file brings. A group name becomes a
// file name in the macro folder, so it must never lead out of that folder or read back from
// the group list as another name.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace karvo::naming {

// Longest group name the group list reads back whole (a 60-character buffer).
inline constexpr std::size_t kGroupNameUnits = 59;
// Longest macro name the record holds.
inline constexpr std::size_t kMacroNameUnits = 30;

// The naming rule of new groups and macros. The proposed name (cut to maxUnits UTF-16 units)
// is used as it is when no existing name equals it. Otherwise its stem (the name without a
// trailing two-digit number) gets the highest counter found among the existing "stem" + two
// digits names (at least 1) plus one, as "%s%02d". The stem is cut so that the counter always
// fits in maxUnits, and when that counter passes 99 or is taken, the lowest free one from 02 up
// is used instead, so the result never equals an existing name.
std::string uniqueName(std::string_view proposed, std::span<const std::string> existing,
                       std::size_t maxUnits);

// A typed or imported group name made safe as a file name and stable in the group list:
// control characters and unpaired surrogates are dropped; the characters file systems forbid
// (< > : " / \ | ? *) become '_'; surrounding blanks, enclosing single quotes (which the list
// reader would strip) and trailing dots are removed; the name is cut to 59 UTF-16 units; a
// reserved device name of other systems (CON, NUL, COM1, ...) gets a trailing '_'. Nothing (no
// usable name) when nothing is left, so "..", "." and blanks are refused.
std::optional<std::string> cleanGroupName(std::string_view typed);

// True when a name read from the group list can name a file in the macro folder as it is
// (cleaning would leave it unchanged).
bool isSafeGroupName(std::string_view name);

// A typed macro name: leading blanks and every control character removed (a NUL would end the
// stored name early). The record cuts it to 30 UTF-16 units.
std::string cleanMacroName(std::string_view typed);

// The group name an imported file gives: its file name up to the first ".dat" (in any case),
// so "Shooter.dat" gives "Shooter" and "a.dat.dat" gives "a". The caller cleans it.
std::string groupNameOfFile(const std::filesystem::path& file);

}  // namespace karvo::naming

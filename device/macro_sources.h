// MacroSources: what the device download asks of the program's macro libraries (the macro
// groups, the gun presets, the built-in macros), kept narrow so the memory image can be built
// and tested without files.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "macro/macro_record.h"

namespace karvo::device {

// Every question may come from the download worker while the window thread edits the
// libraries: an implementation answers each call from a consistent state (its own lock), and
// answers out-of-range questions with 0 or a blank record, never by reading past its tables.
class MacroSources {
  public:
    virtual ~MacroSources() = default;

    // Number of macro groups (function codes 256 and up name group code / 256 - 1).
    virtual int groupCount() const = 0;
    // Number of macros in group `group` (0-based); 0 for a group that does not exist.
    virtual int macroCount(int group) const = 0;
    // Macro `macro` of group `group` as the device write reads it (from the group's file),
    // counters clamped; a blank record when either does not exist.
    virtual MacroRecord groupMacro(int group, int macro) const = 0;

    // Number of gun presets (function codes 50 + preset index).
    virtual int presetCount() const = 0;
    // Gun preset `index`; a blank record beyond the table.
    virtual MacroRecord preset(int index) const = 0;

    // The built-in macros ("constMacro.dat") the device event thread plays. The download does
    // not use them; they travel with the other sources so the device threads need one object.
    virtual std::vector<MacroRecord> constantMacros() const = 0;

    // Stores `record` as macro `macro` of group `group` in the group's file (one row written,
    // the others left as they are) and in the library's memory, so the next groupMacro() and
    // the next download see it. The device event thread keeps the mouse's recoil adjustment
    // this way. False, and nothing written, when the group or the macro does not exist or the
    // file cannot be written.
    virtual bool writeGroupMacro(int group, int macro, const MacroRecord& record) = 0;
};

}  // namespace karvo::device

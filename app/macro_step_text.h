// What the step list of the macro page shows: the text and icon of each step and of the delay
// after it, in the user's language. Pure functions of a step, so the list and its tests agree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "macro/mac_vk_and_text.h"
#include "macro/macro_record.h"
#include "macro/macro_text.h"
#include "services/language_text.h"
#include "ui/controls/list_box_xi.h"

namespace karvo {

struct StepTextSources {
    const LanguageTextTable& texts;
    const MacVkAndText& keys;
    int language = 1;
};

// The text of the line that shows `step`.
std::string stepText(const MacroAction& step, const StepTextSources& sources);
// The text of the line that shows the delay after a step: "<ms>" and UniqueName_Other 12.
std::string delayText(std::uint16_t delay, const LanguageTextTable& texts);
// The icon of the line that shows `step`.
ListIcon stepIcon(const MacroAction& step);

// The step list of a macro: for each step its line, then the line of its delay (2 x n lines).
std::vector<ListLine> stepLines(const MacroRecord& macro, const StepTextSources& sources);

}  // namespace karvo

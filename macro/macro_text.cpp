// Macro steps as text; see macro_text.h.
#include "macro/macro_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "platform/text_encoding.h"

namespace karvo::macrotext {
namespace {

// Position names of the device key codes (HID keyboard usages) and of the mouse buttons.
constexpr NamedKey kKeys[] = {
    {4, "a"},
    {5, "b"},
    {6, "c"},
    {7, "d"},
    {8, "e"},
    {9, "f"},
    {10, "g"},
    {11, "h"},
    {12, "i"},
    {13, "j"},
    {14, "k"},
    {15, "l"},
    {16, "m"},
    {17, "n"},
    {18, "o"},
    {19, "p"},
    {20, "q"},
    {21, "r"},
    {22, "s"},
    {23, "t"},
    {24, "u"},
    {25, "v"},
    {26, "w"},
    {27, "x"},
    {28, "y"},
    {29, "z"},
    {30, "1"},
    {31, "2"},
    {32, "3"},
    {33, "4"},
    {34, "5"},
    {35, "6"},
    {36, "7"},
    {37, "8"},
    {38, "9"},
    {39, "0"},
    {40, "enter"},
    {41, "esc"},
    {42, "backspace"},
    {43, "tab"},
    {44, "space"},
    {45, "minus"},
    {46, "equal"},
    {47, "lbracket"},
    {48, "rbracket"},
    {49, "backslash"},
    {50, "nonus-hash"},
    {51, "semicolon"},
    {52, "quote"},
    {53, "grave"},
    {54, "comma"},
    {55, "period"},
    {56, "slash"},
    {57, "capslock"},
    {58, "f1"},
    {59, "f2"},
    {60, "f3"},
    {61, "f4"},
    {62, "f5"},
    {63, "f6"},
    {64, "f7"},
    {65, "f8"},
    {66, "f9"},
    {67, "f10"},
    {68, "f11"},
    {69, "f12"},
    {70, "printscreen"},
    {71, "scrolllock"},
    {72, "pause"},
    {73, "insert"},
    {74, "home"},
    {75, "pageup"},
    {76, "delete"},
    {77, "end"},
    {78, "pagedown"},
    {79, "right"},
    {80, "left"},
    {81, "down"},
    {82, "up"},
    {83, "numlock"},
    {84, "kp-slash"},
    {85, "kp-asterisk"},
    {86, "kp-minus"},
    {87, "kp-plus"},
    {88, "kp-enter"},
    {89, "kp-1"},
    {90, "kp-2"},
    {91, "kp-3"},
    {92, "kp-4"},
    {93, "kp-5"},
    {94, "kp-6"},
    {95, "kp-7"},
    {96, "kp-8"},
    {97, "kp-9"},
    {98, "kp-0"},
    {99, "kp-period"},
    {100, "nonus-backslash"},
    {101, "menu"},
    {103, "kp-equal"},
    {104, "f13"},
    {105, "f14"},
    {106, "f15"},
    {107, "f16"},
    {108, "f17"},
    {109, "f18"},
    {110, "f19"},
    {111, "f20"},
    {112, "f21"},
    {113, "f22"},
    {114, "f23"},
    {115, "f24"},
    {135, "intl1"},
    {136, "intl2"},
    {137, "intl3"},
    {138, "intl4"},
    {139, "intl5"},
    {144, "lang1"},
    {145, "lang2"},
    {224, "ctrl"},
    {225, "shift"},
    {226, "alt"},
    {227, "win"},
    {228, "rctrl"},
    {229, "rshift"},
    {230, "ralt"},
    {231, "rwin"},
    {macrokey::kMouseLeft, "mouse-left"},
    {macrokey::kMouseMiddle, "mouse-middle"},
    {macrokey::kMouseRight, "mouse-right"},
};

constexpr int kSensitivityLevels = 15;
// What a newly inserted sensitivity step holds in p0, which a reset step keeps.
constexpr std::uint16_t kResetLevel = 4;

std::string lower(std::string_view word) {
    return text::asciiLower(word);
}

// A decimal number from 0 to max, the whole text.
std::optional<unsigned> number(std::string_view text, unsigned max) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || value > max)
        return std::nullopt;
    return value;
}

// "+N", "-N" or "N": the sign (true for minus) and the distance.
std::optional<std::pair<bool, unsigned>> signedDistance(std::string_view text) {
    bool minus = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        minus = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto value = number(text, 65535);
    if (!value)
        return std::nullopt;
    return std::pair(minus, *value);
}

std::string hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const std::uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

bool unhex(std::string_view text, std::span<std::uint8_t> into) {
    if (text.size() % 2 != 0 || text.size() / 2 > into.size())
        return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
        if (ec != std::errc() || end != text.data() + i + 2)
            return false;
        into[i / 2] = static_cast<std::uint8_t>(value);
    }
    return true;
}

// Bytes from `from` to the last non-zero one (none when all are zero).
std::span<const std::uint8_t> trimmed(const LedEffectRecord& r, std::size_t from, std::size_t to) {
    std::size_t end = to;
    while (end > from && r.bytes[end - 1] == 0)
        --end;
    return std::span<const std::uint8_t>(r.bytes).subspan(from, end - from);
}

// Lighting record fields: n entries (byte 0), the first entry's effect, colour and time (bytes
// 4 to 6); the rest of the record only where it is not zero.
std::string lightingText(const LedEffectRecord& r) {
    std::string text = "n=" + std::to_string(r.bytes[0]) + ",e=" + std::to_string(r.bytes[4]) +
                       ",c=" + std::to_string(r.bytes[5]) + ",t=" + std::to_string(r.bytes[6]);
    if (const auto head = trimmed(r, 1, 4); !head.empty())
        text += ",head=" + hex(head);
    if (r.bytes[7] != 0)
        text += ",x=" + std::to_string(r.bytes[7]);
    if (const auto more = trimmed(r, 8, LedEffectRecord::kSize); !more.empty())
        text += ",more=" + hex(more);
    return text;
}

bool isLightingKind(std::uint8_t kind) {
    return kind >= stepkind::kLightingFirst && kind <= stepkind::kLightingLast;
}

std::string rawStep(const MacroAction& s) {
    return "step:" + std::to_string(s.kind) + "," + std::to_string(s.key) + "," +
           std::to_string(s.p0) + "," + std::to_string(s.p1);
}

// The word of one step (without its delay). `lightingIndex` is the number of lighting steps
// before it, the record slot a typed lighting step gets.
std::string stepWord(const MacroRecord& record, const MacroAction& s, std::size_t lightingIndex) {
    const bool noParams = s.p0 == 0 && s.p1 == 0;
    if (s.kind == stepkind::kWait && s.key == macrokey::kNone && noParams)
        return "wait";
    if ((s.kind == stepkind::kPress || s.kind == stepkind::kRelease) && s.key != macrokey::kNone &&
        !macrokey::isSpecial(s.key) && noParams)
        return (s.kind == stepkind::kPress ? "+" : "-") + keyName(s.key);
    if (s.kind >= stepkind::kMoveLeftUp && s.kind <= stepkind::kMoveRightDown &&
        s.key == macrokey::kMove) {
        const bool right = s.kind >= stepkind::kMoveRightUp;
        const bool down = s.kind == stepkind::kMoveLeftDown || s.kind == stepkind::kMoveRightDown;
        return std::string("move:") + (right ? "+" : "-") + std::to_string(s.p0) + "," +
               (down ? "+" : "-") + std::to_string(s.p1);
    }
    if (s.key == macrokey::kSensitivity && s.p1 == 0) {
        if (s.kind == stepkind::kRestoreSensitivity && s.p0 == kResetLevel)
            return "dpi:reset";
        if (s.kind == stepkind::kSetSensitivity) {
            const auto level = sensitivityLevel(sensitivityDpi(s.p0));
            if (level && *level == s.p0)
                return "dpi:" + std::to_string(sensitivityDpi(s.p0));
            return "dpi:level-" + std::to_string(s.p0);
        }
    }
    if (isLightingKind(s.kind) && s.key == macrokey::kLighting && s.p1 == 0 &&
        s.p0 < MacroRecord::kLightingRecords) {
        std::string word =
            s.kind == stepkind::kLightingFirst
                ? "light:"
                : "light" + std::to_string(s.kind - stepkind::kLightingFirst + 1) + ":";
        word += lightingText(record.lighting[s.p0]);
        if (s.p0 != lightingIndex)
            word += ",slot=" + std::to_string(s.p0);
        return word;
    }
    return rawStep(s);
}

class Parser {
  public:
    Parser(const MacroRecord& base, Notifier& notifier) : base_(base), notifier_(notifier) {
        result_.record = base;
        MacroRecord& r = result_.record;
        r.stepCount = 0;
        r.moveCount = 0;
        r.kind247Count = 0;
        r.sensitivityCount = 0;
        r.kind250Count = 0;
        r.lightingCount = 0;
        r.kind251Count = 0;
        r.steps = {};
        r.lighting = {};
        r.second = {};
    }

    ParseResult run(std::string_view text) {
        std::size_t at = 0;
        while (at < text.size()) {
            if (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r') {
                ++at;
                continue;
            }
            std::size_t end = at;
            while (end < text.size() && text[end] != ' ' && text[end] != '\t' &&
                   text[end] != '\n' && text[end] != '\r')
                ++end;
            ++word_;
            if (!take(text.substr(at, end - at)))
                return std::move(result_);
            at = end;
        }
        result_.ok = true;
        return std::move(result_);
    }

  private:
    // Whether the step at `index` of the macro the text replaces matches: a value the macro
    // already holds (one the recorder took, say) is kept, as the macro page keeps a line it
    // did not edit; only new values are held to the page's limits.
    template <class Match>
    bool unchanged(std::size_t index, Match match) const {
        return index < base_.stepCount && index < MacroRecord::kMaxSteps &&
               match(base_.steps[index]);
    }

    bool fail(std::string_view word, const std::string& why) {
        result_.error = "word " + std::to_string(word_) + " '" + std::string(word) + "': " + why;
        return false;
    }

    bool take(std::string_view word) {
        if (word.size() > 2 && word.substr(word.size() - 2) == "ms")
            return delay(word);
        if (word.front() == '+' || word.front() == '-') {
            const auto code = keyCode(word.substr(1));
            if (!code)
                return fail(word, "unknown key '" + std::string(word.substr(1)) + "'");
            if (*code == macrokey::kNone || macrokey::isSpecial(*code))
                return fail(word, "key code " + std::to_string(*code) + " is no key");
            return add(word, {word.front() == '+' ? stepkind::kPress : stepkind::kRelease, *code, 0,
                              0, 0});
        }
        const std::string w = lower(word);
        if (w == "wait")
            return add(word, {stepkind::kWait, macrokey::kNone, 0, 0, 0});
        if (w.starts_with("move:"))
            return move(word, std::string_view(w).substr(5));
        if (w.starts_with("dpi:"))
            return sensitivity(word, std::string_view(w).substr(4));
        if (w.starts_with("light"))
            return lighting(word, w);
        if (w.starts_with("step:"))
            return raw(word, std::string_view(w).substr(5));
        return fail(word,
                    "not a step (+KEY, -KEY, NNms, wait, move:X,Y, dpi:DPI, dpi:reset, "
                    "light:..., step:KIND,KEY,P0,P1)");
    }

    bool delay(std::string_view word) {
        MacroRecord& r = result_.record;
        if (r.stepCount == 0 || delaySet_)
            return fail(word, r.stepCount == 0 ? "a delay follows a step ('wait " +
                                                     std::string(word) + "' pauses first)"
                                               : "a step has one delay");
        const auto value = number(word.substr(0, word.size() - 2), 0xFFFFFFFFu);
        if (!value)
            return fail(word, "expected a delay such as 20ms");
        unsigned ms = *value;
        if (ms > kMaxDelayMs &&
            !unchanged(r.stepCount - 1, [&](const MacroAction& s) { return s.delay == ms; })) {
            notifier_.tipText(kTipLimit);
            ms = kMaxDelayMs;
        }
        r.steps[r.stepCount - 1].delay = static_cast<std::uint16_t>(ms);
        delaySet_ = true;
        return true;
    }

    bool move(std::string_view word, std::string_view params) {
        const auto comma = params.find(',');
        const auto x = signedDistance(params.substr(0, comma));
        const auto y = comma == std::string_view::npos ? std::nullopt
                                                       : signedDistance(params.substr(comma + 1));
        if (!x || !y)
            return fail(word, "expected move:X,Y such as move:-5,+3");
        const std::size_t index = result_.record.stepCount;
        const auto cut = [&](unsigned v, std::string_view axis) {
            const bool kept = unchanged(index, [&](const MacroAction& s) {
                return s.key == macrokey::kMove && s.p0 == x->second && s.p1 == y->second;
            });
            if (v <= kMaxMoveDistance || (kept && v <= 65535))
                return static_cast<std::uint16_t>(v);
            notifier_.tipText(kTipFailed, std::string(axis));
            return kMaxMoveDistance;
        };
        const std::uint16_t dx = cut(x->second, " [X]");
        const std::uint16_t dy = cut(y->second, " [Y]");
        const bool right = !x->first;
        const bool down = !y->first;
        const std::uint8_t kind = right ? (down ? stepkind::kMoveRightDown : stepkind::kMoveRightUp)
                                        : (down ? stepkind::kMoveLeftDown : stepkind::kMoveLeftUp);
        return add(word, {kind, macrokey::kMove, dx, dy, 0});
    }

    bool sensitivity(std::string_view word, std::string_view value) {
        if (value == "reset")
            return add(word,
                       {stepkind::kRestoreSensitivity, macrokey::kSensitivity, kResetLevel, 0, 0});
        if (value.starts_with("level-")) {
            const auto level = number(value.substr(6), 65535);
            if (!level)
                return fail(word, "expected dpi:level-N");
            return add(word, {stepkind::kSetSensitivity, macrokey::kSensitivity,
                              static_cast<std::uint16_t>(*level), 0, 0});
        }
        const auto dpi = number(value, 65535);
        const auto level = dpi ? sensitivityLevel(static_cast<int>(*dpi)) : std::nullopt;
        if (!level)
            return fail(word,
                        "a macro's DPI is one of 200 400 600 800 1000 1200 1600 2000 2400 "
                        "3200 4000 4800, or dpi:reset");
        return add(word, {stepkind::kSetSensitivity, macrokey::kSensitivity,
                          static_cast<std::uint16_t>(*level), 0, 0});
    }

    bool lighting(std::string_view word, std::string_view w) {
        const auto colon = w.find(':');
        if (colon == std::string_view::npos)
            return fail(word, "expected light:n=1,e=0,c=0,t=10");
        const std::string_view head = w.substr(0, colon);
        std::uint8_t kind = stepkind::kLightingFirst;
        if (head == "light2" || head == "light3")
            kind = static_cast<std::uint8_t>(stepkind::kLightingFirst + (head.back() - '1'));
        else if (head != "light")
            return fail(word, "expected light:, light2: or light3:");
        LedEffectRecord led;
        std::optional<std::uint16_t> slot;
        std::string_view fields = w.substr(colon + 1);
        while (!fields.empty()) {
            const auto comma = fields.find(',');
            const std::string_view field = fields.substr(0, comma);
            fields =
                comma == std::string_view::npos ? std::string_view() : fields.substr(comma + 1);
            const auto eq = field.find('=');
            if (eq == std::string_view::npos)
                return fail(word, "expected NAME=VALUE in '" + std::string(field) + "'");
            const std::string_view name = field.substr(0, eq);
            const std::string_view value = field.substr(eq + 1);
            const auto byteAt = [&](std::size_t at) {
                const auto v = number(value, 255);
                if (v)
                    led.bytes[at] = static_cast<std::uint8_t>(*v);
                return v.has_value();
            };
            bool good = false;
            if (name == "n")
                good = byteAt(0);
            else if (name == "e")
                good = byteAt(4);
            else if (name == "c")
                good = byteAt(5);
            else if (name == "t")
                good = byteAt(6);
            else if (name == "x")
                good = byteAt(7);
            else if (name == "head")
                good = unhex(value, std::span<std::uint8_t>(led.bytes).subspan(1, 3));
            else if (name == "more")
                good = unhex(value, std::span<std::uint8_t>(led.bytes).subspan(8));
            else if (name == "slot") {
                const auto v = number(value, MacroRecord::kLightingRecords - 1);
                if (v)
                    slot = static_cast<std::uint16_t>(*v);
                good = v.has_value();
            }
            if (!good)
                return fail(word, "bad lighting field '" + std::string(field) + "'");
        }
        const std::uint16_t p0 = slot.value_or(result_.record.lightingCount);
        if (p0 >= MacroRecord::kLightingRecords) {
            notifier_.tipText(kTipFailed);
            return fail(word, "a macro holds at most " +
                                  std::to_string(MacroRecord::kLightingRecords) +
                                  " lighting steps");
        }
        if (!add(word, {kind, macrokey::kLighting, p0, 0, 0}))
            return false;
        result_.record.lighting[p0] = led;
        return true;
    }

    bool raw(std::string_view word, std::string_view params) {
        std::array<unsigned, 4> v{};
        const std::array<unsigned, 4> max = {255, 255, 65535, 65535};
        for (std::size_t i = 0; i < v.size(); ++i) {
            const auto comma = params.find(',');
            const auto value = number(params.substr(0, comma), max[i]);
            if (!value || (i < 3) == (comma == std::string_view::npos))
                return fail(word, "expected step:KIND,KEY,P0,P1");
            v[i] = *value;
            params =
                comma == std::string_view::npos ? std::string_view() : params.substr(comma + 1);
        }
        return add(word, {static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]),
                          static_cast<std::uint16_t>(v[2]), static_cast<std::uint16_t>(v[3]), 0});
    }

    // Appends a step within the macro page's limits and counts it against its kind.
    bool add(std::string_view word, const MacroAction& step) {
        MacroRecord& r = result_.record;
        if (r.stepCount >= MacroRecord::kMaxSteps) {
            notifier_.tipText(kTipLimit);
            return fail(
                word, "a macro holds at most " + std::to_string(MacroRecord::kMaxSteps) + " steps");
        }
        if (!r.canAddStep(step.key)) {
            notifier_.tipText(kTipFailed);
            return fail(word, "a macro holds at most " +
                                  std::to_string(MacroRecord::limitFor(step.key)) +
                                  " steps of this kind");
        }
        r.appendStep(step);
        delaySet_ = false;
        return true;
    }

    const MacroRecord& base_;
    Notifier& notifier_;
    ParseResult result_;
    std::size_t word_ = 0;
    bool delaySet_ = false;
};

}  // namespace

std::string keyName(std::uint8_t deviceCode) {
    for (const NamedKey& k : kKeys) {
        if (k.code == deviceCode)
            return std::string(k.name);
    }
    return "key-" + std::to_string(deviceCode);
}

std::optional<std::uint8_t> keyCode(std::string_view name) {
    const std::string wanted = lower(name);
    for (const NamedKey& k : kKeys) {
        if (k.name == wanted)
            return k.code;
    }
    if (wanted.starts_with("key-")) {
        if (const auto code = number(std::string_view(wanted).substr(4), 255))
            return static_cast<std::uint8_t>(*code);
    }
    return std::nullopt;
}

std::span<const NamedKey> namedKeys() {
    return kKeys;
}

bool isModifier(std::uint8_t deviceCode) {
    return deviceCode >= 224 && deviceCode <= 227;
}

int sensitivityDpi(int level) {
    static constexpr std::array<int, 15> kDpi = {200,  400,  600,  800,  1000, 1200, 1600, 1600,
                                                 2000, 2000, 2400, 2400, 3200, 4000, 4800};
    if (level < 1 || level > static_cast<int>(kDpi.size()))
        return 800;
    return kDpi[static_cast<std::size_t>(level - 1)];
}

std::optional<int> sensitivityLevel(int dpi) {
    for (int level = 1; level <= kSensitivityLevels; ++level) {
        if (sensitivityDpi(level) == dpi)
            return level;
    }
    return std::nullopt;
}

std::string print(const MacroRecord& record) {
    std::string text;
    std::size_t lightingIndex = 0;
    for (const MacroAction& step : record.validSteps()) {
        if (!text.empty())
            text += ' ';
        text += stepWord(record, step, lightingIndex);
        if (step.key == macrokey::kLighting)
            ++lightingIndex;
        if (step.delay != 0)
            text += ' ' + std::to_string(step.delay) + "ms";
    }
    return text;
}

ParseResult parse(std::string_view text, const MacroRecord& base, Notifier& notifier) {
    return Parser(base, notifier).run(text);
}

}  // namespace karvo::macrotext

// Physical keys to key messages; see captured_keys.h.
#include "ui/dialogs/captured_keys.h"

#include <array>
#include <utility>

namespace karvo::captured_keys {

namespace {

// Linux input event code -> HID keyboard usage (the kernel's HID keyboard table, inverted).
constexpr std::pair<int, int> kEvdevToUsage[] = {
    {1, 41},    {2, 30},    {3, 31},    {4, 32},    {5, 33},    {6, 34},    {7, 35},    {8, 36},
    {9, 37},    {10, 38},   {11, 39},   {12, 45},   {13, 46},   {14, 42},   {15, 43},   {16, 20},
    {17, 26},   {18, 8},    {19, 21},   {20, 23},   {21, 28},   {22, 24},   {23, 12},   {24, 18},
    {25, 19},   {26, 47},   {27, 48},   {28, 40},   {29, 224},  {30, 4},    {31, 22},   {32, 7},
    {33, 9},    {34, 10},   {35, 11},   {36, 13},   {37, 14},   {38, 15},   {39, 51},   {40, 52},
    {41, 53},   {42, 225},  {43, 49},   {44, 29},   {45, 27},   {46, 6},    {47, 25},   {48, 5},
    {49, 17},   {50, 16},   {51, 54},   {52, 55},   {53, 56},   {54, 229},  {55, 85},   {56, 226},
    {57, 44},   {58, 57},   {59, 58},   {60, 59},   {61, 60},   {62, 61},   {63, 62},   {64, 63},
    {65, 64},   {66, 65},   {67, 66},   {68, 67},   {69, 83},   {70, 71},   {71, 95},   {72, 96},
    {73, 97},   {74, 86},   {75, 92},   {76, 93},   {77, 94},   {78, 87},   {79, 89},   {80, 90},
    {81, 91},   {82, 98},   {83, 99},   {86, 100},  {87, 68},   {88, 69},   {89, 135},  {92, 138},
    {93, 136},  {94, 139},  {96, 88},   {97, 228},  {98, 84},   {99, 70},   {100, 230}, {102, 74},
    {103, 82},  {104, 75},  {105, 80},  {106, 79},  {107, 77},  {108, 81},  {109, 78},  {110, 73},
    {111, 76},  {117, 103}, {119, 72},  {122, 144}, {123, 145}, {124, 137}, {125, 227}, {126, 231},
    {127, 101}, {138, 117}, {139, 118}, {183, 104}, {184, 105}, {185, 106}, {186, 107}, {187, 108},
    {188, 109}, {189, 110}, {190, 111}, {191, 112}, {192, 113}, {193, 114}, {194, 115},
};

// Keys no key table lists, with the virtual-key code Windows gives them.
constexpr std::pair<int, int> kUnlisted[] = {
    {88, 13},    // keypad Enter: VK_RETURN
    {100, 226},  // the ISO key beside left Shift: VK_OEM_102
    {103, 146},  // keypad =: VK_OEM_NEC_EQUAL
    {135, 193},  // Ro (Japanese): VK_ABNT_C1
    {136, 242},  // Katakana/Hiragana: VK_OEM_COPY
    {137, 220},  // Yen: VK_OEM_5
    {138, 28},   // Henkan: VK_CONVERT
    {139, 29},   // Muhenkan: VK_NONCONVERT
    {144, 21},   // Hangul: VK_HANGUL
    {145, 25},   // Hanja: VK_HANJA
};

constexpr int kEnglish = 1;

}  // namespace

int usageOfEvdev(int evdevCode) {
    for (const auto& [evdev, usage] : kEvdevToUsage) {
        if (evdev == evdevCode)
            return usage;
    }
    return 0;
}

int virtualKeyOf(const MacVkAndText& keys, int language, int usage) {
    if (usage <= 0 || usage > 255)
        return 0;
    if (!keys.hasLanguage(language))
        language = kEnglish;
    const auto code = static_cast<std::uint8_t>(usage);
    const int vk = keys.toVirtualKey(language, code, KeyMode::MacroSteps);
    // A table passes a position it does not list through unchanged; it lists a position
    // when its virtual key leads back to it.
    if (vk != 0 && keys.toDeviceCode(language, vk, KeyMode::MacroSteps) == usage)
        return vk;
    for (const auto& [u, v] : kUnlisted) {
        if (u == usage)
            return v;
    }
    return 0;
}

KeyMessage translate(const MacVkAndText& keys, int language, const PhysicalKeyEvent& event) {
    int vk = 0;
    if (event.evdevCode > 0)
        vk = virtualKeyOf(keys, language, usageOfEvdev(event.evdevCode));
    if (vk == 0)
        vk = event.fallbackVirtualKey;
    const bool system = isAlt(vk) || (event.altHeld && !event.ctrlHeld);
    KeyMessage m;
    m.virtualKey = vk;
    if (event.down)
        m.message = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    else
        m.message = system ? WM_SYSKEYUP : WM_KEYUP;
    return m;
}

bool isCtrl(int vk) {
    return vk == 17 || vk == 162 || vk == 163;
}
bool isShift(int vk) {
    return vk == 16 || vk == 160 || vk == 161;
}
bool isAlt(int vk) {
    return vk == 18 || vk == 164 || vk == 165;
}
bool isWin(int vk) {
    return vk == 91 || vk == 92;
}

}  // namespace karvo::captured_keys

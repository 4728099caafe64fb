// Conversions between the three codes a key has in this program: the device key code (the HID
// keyboard usage the mouse stores and sends), the virtual-key code (what keyboard messages carry
// and what macro files store) and the name shown to the user. One set per keyboard language,
// because both the names and the layout differ by language.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace karvo {

namespace keytables {
struct KeyTable;
}

// How the mouse button codes 240 to 244 are treated.
enum class KeyMode : std::uint8_t {
    // Codes 240 to 244 pass unchanged; names read 240 left, 242 middle, 241 right.
    Plain = 1,
    // Macro steps: memory numbering 241 left, 242 middle, 243 right; files number them
    // 240 left, 241 right, 242 middle. Every caller in the program uses this mode.
    MacroSteps = 2,
};

class MacVkAndText {
  public:
    // Language indices run 0 to 26; 25 has no key set (nor a language folder).
    static constexpr int kLanguageSlots = 27;

    // Builds the tables of every language once.
    MacVkAndText();

    // True when the language index has its own key set.
    bool hasLanguage(int language) const;

    // The display name of a device key code; the mouse button names come from the caller
    // (the language texts). Codes without a name read "NULL"; the fourth mouse code reads
    // "NILL". A language without a key set shows the English names.
    std::string name(int language, std::uint8_t deviceCode, KeyMode mode, std::string_view leftName,
                     std::string_view middleName, std::string_view rightName) const;

    // Virtual key -> device key code. Values the table does not list, including any outside
    // 0..255, are returned unchanged; so is everything for a language without a key set.
    int toDeviceCode(int language, int virtualKey, KeyMode mode) const;

    // Device key code -> virtual key. Codes the table does not list are returned unchanged;
    // a language without a key set gives 0 for every code.
    std::uint8_t toVirtualKey(int language, std::uint8_t deviceCode, KeyMode mode) const;

    // The key set a language uses, or nullptr (index 25 and anything out of range).
    static const keytables::KeyTable* tableFor(int language);

  private:
    struct Tables {
        bool present = false;
        std::array<std::string_view, 256> names{};        // empty: "NULL"
        std::array<std::uint8_t, 256> deviceOfVirtual{};  // 0: not listed
        std::array<std::uint8_t, 256> virtualOfDevice{};  // 0: not listed
    };
    static void apply(const keytables::KeyTable& table, Tables& out);
    const Tables* tables(int language) const;

    std::array<Tables, kLanguageSlots> tables_;
};

}  // namespace karvo

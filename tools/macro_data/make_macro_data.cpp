// Writes the macro data the program ships: for every language folder the macro groups of
// "macro/" and the same groups again in "macroReset/", and the gun presets "config/PUBG.dat".
// The build runs it into a staging folder; files whose bytes did not change keep their time, so
// a developer's edits in the laid-out tree survive rebuilds until the shipped content changes.
//   make_macro_data <staging skins folder>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "macro/mac_vk_and_text.h"
#include "macro/macro_file.h"
#include "macro/macro_group.h"
#include "platform/file_ops.h"
#include "services/program_paths.h"

namespace {

namespace fs = std::filesystem;
using karvo::MacroAction;
using karvo::MacroRecord;
namespace stepkind = karvo::stepkind;
namespace macrokey = karvo::macrokey;

// Virtual keys: files store them, so a shortcut means the same on every keyboard layout.
constexpr std::uint8_t kCtrl = 0xA2, kShift = 0xA0, kAlt = 0xA4, kWin = 0x5B;
constexpr std::uint8_t kTab = 0x09, kSpace = 0x20, kLeft = 0x25, kF5 = 0x74, kEnter = 0x0D;
constexpr std::uint8_t kEscape = 0x1B;
constexpr std::uint8_t letter(char c) {
    return static_cast<std::uint8_t>(c);  // 'A' to 'Z' and '0' to '9' are their own keys
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "make_macro_data: %s\n", what.c_str());
    std::exit(1);
}

// Builds a macro step by step, converting virtual keys through the language's table so that
// writing the file gives the same virtual keys back.
class MacroBuilder {
  public:
    MacroBuilder(const karvo::MacVkAndText& keys, int language, std::string_view name)
        : keys_(keys), language_(language) {
        r_.setName(name);
        r_.repeatCount = 1;
        r_.extraB = 10;
    }
    MacroBuilder& press(std::uint8_t vk, std::uint16_t delay = 30) {
        return step(stepkind::kPress, device(vk), delay);
    }
    MacroBuilder& release(std::uint8_t vk, std::uint16_t delay = 30) {
        return step(stepkind::kRelease, device(vk), delay);
    }
    MacroBuilder& tap(std::uint8_t vk, std::uint16_t hold = 30, std::uint16_t after = 30) {
        return press(vk, hold).release(vk, after);
    }
    // Held modifiers around one key: Ctrl+Shift+T and the like.
    MacroBuilder& chord(std::initializer_list<std::uint8_t> modifiers, std::uint8_t vk) {
        for (const std::uint8_t m : modifiers)
            press(m, 20);
        tap(vk, 30, 20);
        for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
            release(*it, 20);
        return *this;
    }
    // Mouse buttons are stored by their own codes, never through a key table.
    MacroBuilder& pressButton(std::uint8_t button, std::uint16_t delay) {
        return step(stepkind::kPress, button, delay);
    }
    MacroBuilder& releaseButton(std::uint8_t button, std::uint16_t delay) {
        return step(stepkind::kRelease, button, delay);
    }
    MacroBuilder& click(std::uint8_t button, std::uint16_t hold, std::uint16_t after) {
        return pressButton(button, hold).releaseButton(button, after);
    }
    MacroBuilder& repeat(std::uint16_t count) {
        r_.repeatCount = count;
        return *this;
    }
    MacroRecord done() const { return r_; }

  private:
    std::uint8_t device(std::uint8_t vk) const {
        const int code = keys_.toDeviceCode(language_, vk, karvo::KeyMode::MacroSteps);
        const int file = keys_.toVirtualKey(language_, static_cast<std::uint8_t>(code),
                                            karvo::KeyMode::MacroSteps);
        if (code <= 0 || code >= 240 || file != vk)
            fail("language " + std::to_string(language_) + " has no key for virtual key " +
                 std::to_string(vk));
        return static_cast<std::uint8_t>(code);
    }
    MacroBuilder& step(std::uint8_t kind, std::uint8_t key, std::uint16_t delay) {
        if (!r_.canAddStep(key))
            fail("macro too long");
        r_.steps[r_.stepCount++] = MacroAction{kind, key, 0, 0, delay};
        return *this;
    }

    const karvo::MacVkAndText& keys_;
    int language_;
    MacroRecord r_;
};

struct Group {
    std::string name;
    std::vector<MacroRecord> macros;
};

std::vector<Group> exampleGroups(const karvo::MacVkAndText& keys, int lang) {
    auto m = [&](std::string_view name) { return MacroBuilder(keys, lang, name); };
    constexpr std::uint8_t L = macrokey::kMouseLeft, R = macrokey::kMouseRight;
    return {
        {"Office",
         {m("Copy").chord({kCtrl}, letter('C')).done(),
          m("Paste").chord({kCtrl}, letter('V')).done(),
          m("Cut").chord({kCtrl}, letter('X')).done(), m("Undo").chord({kCtrl}, letter('Z')).done(),
          m("Redo").chord({kCtrl}, letter('Y')).done(),
          m("Select all").chord({kCtrl}, letter('A')).done(),
          m("Save").chord({kCtrl}, letter('S')).done(),
          m("Find").chord({kCtrl}, letter('F')).done()}},
        {"Browser",
         {m("New tab").chord({kCtrl}, letter('T')).done(),
          m("Close tab").chord({kCtrl}, letter('W')).done(),
          m("Reopen closed tab").chord({kCtrl, kShift}, letter('T')).done(),
          m("Next tab").chord({kCtrl}, kTab).done(),
          m("Previous tab").chord({kCtrl, kShift}, kTab).done(), m("Reload page").tap(kF5).done(),
          m("Back").chord({kAlt}, kLeft).done()}},
        {"Games",
         {m("Double click").click(L, 20, 40).click(L, 20, 40).done(),
          m("Triple shot").click(L, 25, 60).click(L, 25, 60).click(L, 25, 60).done(),
          m("Rapid fire x10").click(L, 20, 50).repeat(10).done(),
          m("Quick reload").tap(letter('R'), 40, 20).done(),
          m("Crouch jump")
              .press(kSpace, 40)
              .press(kCtrl, 300)
              .release(kSpace, 20)
              .release(kCtrl)
              .done(),
          m("Aim and fire").pressButton(R, 180).click(L, 30, 40).releaseButton(R, 20).done(),
          m("Weapon swap").tap(letter('1'), 30, 120).tap(letter('2'), 30, 30).done(),
          m("Chat: good game")
              .tap(kEnter, 30, 80)
              .tap(letter('G'))
              .tap(letter('G'))
              .tap(kEnter)
              .done()}},
        {"Desktop",
         {m("Show desktop").chord({kWin}, letter('D')).done(),
          m("Switch window").chord({kAlt}, kTab).done(),
          m("Lock screen").chord({kWin}, letter('L')).done(),
          m("Task manager").chord({kCtrl, kShift}, kEscape).done(),
          m("File manager").chord({kWin}, letter('E')).done()}},
    };
}

// A weapon: shot interval, vertical pull per shot and sideways drift per shot, in counts.
struct Weapon {
    const char* name;
    std::uint16_t intervalMs;
    double pull;
    double drift;
    bool automatic;
};

// Each run of a preset fires one shot (press and release, each followed by the fire interval)
// and pulls the pointer down in six moves shaped like a recoil kick: steep at first, then
// settling, with the weapon's sideways drift alternating so that it does not add up.
MacroRecord gunPreset(const Weapon& w) {
    MacroRecord r;
    r.setName(w.name);
    r.repeatCount = 1;
    r.extraB = 10;
    r.setPlaybackMode(w.automatic ? karvo::PlaybackMode::Mode2 : karvo::PlaybackMode::Repeat);
    r.steps[0] = {stepkind::kPress, macrokey::kMouseLeft, 0, 0, w.intervalMs};
    r.steps[1] = {stepkind::kRelease, macrokey::kMouseLeft, 0, 0, w.intervalMs};
    constexpr double kShape[] = {0.26, 0.22, 0.18, 0.14, 0.11, 0.09};
    std::uint16_t n = 2;
    for (std::size_t i = 0; i < std::size(kShape); ++i) {
        const auto y = static_cast<std::uint16_t>(std::lround(std::max(1.0, w.pull * kShape[i])));
        const auto x = static_cast<std::uint16_t>(std::lround(w.drift * kShape[i] * 2));
        const bool right = i % 2 == 0;
        r.steps[n++] = {right ? stepkind::kMoveRightDown : stepkind::kMoveLeftDown, macrokey::kMove,
                        x, y, 4};
        ++r.moveCount;
    }
    r.stepCount = n;
    return r;
}

std::vector<MacroRecord> gunPresets() {
    const Weapon weapons[] = {
        {"M416", 43, 14, 2, true},       {"AKM", 50, 22, 5, true},
        {"Beryl M762", 43, 24, 6, true}, {"SCAR-L", 48, 15, 2, true},
        {"AUG", 42, 13, 2, true},        {"Groza", 40, 20, 4, true},
        {"M16A4", 38, 16, 2, false},     {"QBZ", 46, 15, 3, true},
        {"UMP45", 46, 9, 2, true},       {"Vector", 28, 8, 3, true},
        {"Tommy Gun", 43, 11, 3, true},  {"Mini 14", 50, 18, 1, false},
    };
    std::vector<MacroRecord> out;
    for (const Weapon& w : weapons)
        out.push_back(gunPreset(w));
    return out;
}

// Writes the groups through the library itself, as the program's own commands would.
void writeLibrary(const fs::path& folder, const karvo::MacroFile& file,
                  const std::vector<Group>& groups) {
    fs::create_directories(folder);
    karvo::RecordingNotifier quiet;
    karvo::MacroGroup library(file, quiet, folder, folder);
    library.load();  // no list yet: an empty library
    for (const Group& g : groups) {
        if (!library.newGroup(g.name) || library.groupName(library.groupCount() - 1) != g.name)
            fail("cannot create group " + g.name);
        for (const MacroRecord& m : g.macros) {
            if (!library.addMacro(m))
                fail("cannot add a macro to " + g.name);
        }
    }
}

// Replaces the files of `to` with those of `from` whose bytes differ, and removes what `from`
// does not hold.
void sync(const fs::path& from, const fs::path& to) {
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path target = to / fs::relative(entry.path(), from);
        const auto bytes = karvo::fileops::readFile(entry.path());
        if (!bytes)
            fail("cannot read " + entry.path().string());
        if (karvo::fileops::readFile(target) == bytes)
            continue;
        fs::create_directories(target.parent_path());
        if (!karvo::fileops::writeFileAtomically(target, *bytes))
            fail("cannot write " + target.string());
    }
    std::vector<fs::path> stale;
    for (const auto& entry : fs::recursive_directory_iterator(to)) {
        if (entry.is_regular_file() && !fs::exists(from / fs::relative(entry.path(), to)))
            stale.push_back(entry.path());
    }
    for (const fs::path& p : stale)
        fs::remove(p);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_macro_data <staging skins folder>\n");
        return 2;
    }
    const fs::path out = argv[1];
    const fs::path fresh = out.string() + ".new";
    fs::remove_all(fresh);

    const karvo::MacVkAndText keys;
    for (int lang = 0; lang < karvo::MacVkAndText::kLanguageSlots; ++lang) {
        const std::string_view folder = karvo::languageFolderName(lang);
        if (folder.empty())
            continue;
        const karvo::MacroFile file(keys, lang);
        const auto groups = exampleGroups(keys, lang);
        writeLibrary(fresh / folder / "macro", file, groups);
        writeLibrary(fresh / folder / "macroReset", file, groups);
    }

    // Presets hold mouse buttons and moves only, which no key table changes.
    const karvo::MacroFile english(keys, 1);
    karvo::MacroTable presets;
    const auto guns = gunPresets();
    presets.setCount(static_cast<long long>(guns.size()));
    for (std::size_t i = 0; i < guns.size(); ++i)
        *presets.macro(i) = guns[i];
    fs::create_directories(fresh / "config");
    if (!english.writeGroup(fresh / "config" / "PUBG.dat", presets))
        fail("cannot write PUBG.dat");

    fs::create_directories(out);
    sync(fresh, out);
    fs::remove_all(fresh);
    return 0;
}

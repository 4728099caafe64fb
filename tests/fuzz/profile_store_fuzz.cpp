// Fuzz target for the profile store: any config.ini loads into settings inside their ranges,
// and a save followed by a load gives back the same settings.
// Input: config.ini, then "\n--\n" and configReset.ini. Seed with the shipped config.ini.
// fuzz-options: -max_len=16384
#include <cstdint>
#include <filesystem>

#include "settings/profile_store.h"
#include "tests/fuzz/fuzz_scratch.h"

using karvo::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const karvo::MacVkAndText keys;
    const auto& scratch = karvo::fuzz::Scratch::get();
    scratch.clear();
    const auto [config, reset] =
        karvo::fuzz::parts<2>(std::string_view(reinterpret_cast<const char*>(data), size));
    scratch.write("config.ini", config);
    if (!reset.empty())
        scratch.write("configReset.ini", reset);

    karvo::RecordingNotifier notes;
    const karvo::ProfileStore store(scratch.path(), keys, notes);
    karvo::SettingsModel model;
    for (int p = 0; p < karvo::kProfiles; ++p)
        store.loadProfile(model, p, karvo::ProfileStore::Source::Config);
    const karvo::Settings loaded = model.snapshot();
    check(loaded.shared.dpiLevel >= 0 && loaded.shared.dpiLevel < karvo::kDpiLevels);
    for (const auto colour : loaded.macroColour)
        check(colour >= 0 && colour <= 6);
    check(store.readCurrentProfile() >= 0 && store.readCurrentProfile() < karvo::kProfiles);

    // Written in full into a fresh folder and read back, every setting comes back (a
    // combination text only belongs to function 33).
    std::filesystem::create_directories(scratch.path() / "copy");
    const karvo::ProfileStore copy(scratch.path() / "copy", keys, notes);
    for (int p = 0; p < karvo::kProfiles; ++p) {
        if (!copy.saveProfile(loaded, p, copy.configFile())) {
            scratch.clear();
            return 0;
        }
    }
    karvo::SettingsModel again;
    for (int p = 0; p < karvo::kProfiles; ++p)
        check(copy.loadProfile(again, p, karvo::ProfileStore::Source::Config));
    const karvo::Settings back = again.snapshot();
    check(back.shared == loaded.shared);
    check(back.macroColour == loaded.macroColour);
    for (std::size_t p = 0; p < karvo::kProfiles; ++p) {
        for (std::size_t b = 0; b < karvo::kButtonSlots; ++b) {
            const auto& x = loaded.profiles[p].buttons[b];
            const auto& y = back.profiles[p].buttons[b];
            check(x.function == y.function && x.leftMac == y.leftMac &&
                  x.ledReactType == y.ledReactType && x.ledReactEnable == y.ledReactEnable);
            check(x.function != karvo::kFunctionCombination || x.combination == y.combination);
        }
    }
    scratch.clear();
    return 0;
}

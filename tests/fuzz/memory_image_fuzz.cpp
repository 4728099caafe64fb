// Fuzz target for the memory image builder: a whole configuration folder from the input
// (config.ini with its device description, the group list and a group file) is read as the
// program reads it and turned into the image. It never crashes, and no write leaves the
// image's memory or the mouse's configuration area.
// Input: config.ini, "\n--\n", macroGrp.ini, "\n--\n", the group file "A.dat". Seed with the
// shipped config.ini, macroGrp.ini and one shipped group file joined that way.
// fuzz-options: -max_len=131072
#include <cstdint>

#include "device/device_memory_image.h"
#include "device/in_memory_macro_sources.h"
#include "macro/macro_group.h"
#include "settings/device_description.h"
#include "settings/profile_store.h"
#include "tests/fuzz/fuzz_scratch.h"

using karvo::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const karvo::MacVkAndText keys;
    static const karvo::MacroFile file(keys, 1);
    const auto& scratch = karvo::fuzz::Scratch::get();
    scratch.clear();
    const auto [config, list, group] =
        karvo::fuzz::parts<3>(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto configFile = scratch.write("config/config.ini", config);
    scratch.write("macro/macroGrp.ini", list);
    scratch.write("macro/A.dat", group);

    karvo::RecordingNotifier notes;
    const karvo::DeviceDescription description = karvo::DeviceDescription::read(configFile, notes);
    const karvo::ProfileStore store(scratch.path() / "config", keys, notes);
    karvo::SettingsModel model;
    model.edit([&](karvo::Settings& s) { s.currentProfile = store.readCurrentProfile(); });
    for (int p = 0; p < karvo::kProfiles; ++p)
        store.loadProfile(model, p, karvo::ProfileStore::Source::Config);

    karvo::MacroGroup groups(file, notes, scratch.path() / "macro", scratch.path() / "reset");
    groups.load();
    karvo::device::InMemoryMacroSources sources;
    for (std::size_t g = 0; g < groups.groupCount(); ++g) {
        sources.groups.emplace_back();
        for (std::size_t m = 0; m < groups.macroCount(g); ++m)
            sources.groups.back().push_back(groups.readMacroForDevice(g, m));
    }

    const auto image =
        karvo::device::DeviceMemoryImage::build(model.snapshot(), description, sources, keys, {});
    for (const karvo::device::BlockWrite& w : image.writes()) {
        check(w.length >= 1 && w.length <= 8);
        check(std::size_t{w.address} + w.length <= 3872);
    }
    check(image.descriptors().macroAreaEnd() <= 3872 || image.stopped());
    for (int p = 0; p < karvo::kProfiles; ++p) {
        for (int k = 1; k <= karvo::device::KeyAssignments::kDeviceKeys; ++k)
            check(image.assignments().key(p, k).deviceFunction < 32);
    }
    scratch.clear();
    return 0;
}

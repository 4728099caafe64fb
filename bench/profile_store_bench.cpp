// Loading and saving all four profiles of the shipped config.ini, through the profile store
// (one read per load, one atomic replacement per save) and through single-key calls that
// re-read and rewrite the whole file for every key, as the Windows functions cost.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/bench_util.h"
#include "platform/file_ops.h"
#include "platform/private_profile.h"
#include "settings/profile_store.h"

namespace {

using namespace karvo;

// Counts and forwards nothing: a benchmark has no one to warn.
class SilentNotifier final : public Notifier {
  public:
    void tipText(int, std::string_view) override {}
    void message(std::string_view) override {}
};

// The baseline engine: every key write re-reads and re-parses the whole file and writes it
// whole again, as the Windows functions do.
void rewriteOneKey(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, std::string_view value) {
    ini::IniDocument doc = ini::IniDocument::parse(fileops::readFile(file).value_or(""));
    doc.setValue(section, key, value);
    fileops::writeFileAtomically(file, doc.serialize());
}

// The writes of one apply in the order the store makes them: CurConfig, then per profile its
// section and the whole [ShareData] again (about 550 key writes).
void saveKeyByKey(const ini::IniDocument& values, const std::filesystem::path& to) {
    rewriteOneKey(to, "Init", "CurConfig", values.getString("Init", "CurConfig", "", 5));
    for (const char* section : {"Config0", "Config1", "Config2", "Config3"}) {
        for (const char* part : {section, "ShareData"}) {
            for (const std::string& key : values.keyNames(part)) {
                rewriteOneKey(to, part, key, values.getString(part, key, "", 260));
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : 21;
    const std::filesystem::path shipped =
        std::filesystem::path(KARVO_SOURCE_DATA_DIR) / "skins/config/config.ini";
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "karvo-profile-bench";
    std::filesystem::create_directories(dir);
    fileops::copyFileAtomically(shipped, dir / "config.ini");

    SilentNotifier notifier;
    const MacVkAndText keys;
    ProfileStore store(dir, keys, notifier);
    SettingsModel model;
    const auto loadAll = [&] {
        for (int p = 0; p < kProfiles; ++p) {
            store.loadProfile(model, p, ProfileStore::Source::Config);
        }
    };
    loadAll();
    const Settings settings = model.snapshot();
    int keyCount = 0;
    {
        const ini::IniSnapshot snap(dir / "config.ini");
        for (const char* s : {"Init", "Config0", "Config1", "Config2", "Config3", "ShareData"}) {
            keyCount += static_cast<int>(snap.document().keyNames(s).size());
        }
    }
    // Each save writes different values, so every run really replaces the file.
    int round = 0;
    const auto saveAll = [&] {
        Settings s = settings;
        s.shared.fireTime = 8 + (++round % 200);
        store.saveAll(s);
    };
    const auto loadKeyByKey = [&] {
        for (const char* section : {"Config0", "Config1", "Config2", "Config3", "ShareData"}) {
            for (const std::string& key : ini::IniSnapshot(shipped).document().keyNames(section)) {
                (void)ini::readString(dir / "config.ini", section, key, "", 260);
            }
        }
    };

    std::printf("config.ini: %d keys, %d runs each, medians\n", keyCount, runs);
    const double load = bench::medianMs(runs, loadAll);
    const double loadSingle = bench::medianMs(std::max(3, runs / 4), loadKeyByKey);
    const double save = bench::medianMs(runs, saveAll);
    const double saveSingle = bench::medianMs(std::max(3, runs / 4), [&] {
        saveKeyByKey(ini::IniSnapshot(shipped).document(), dir / "single.ini");
    });
    bench::report("load of four profiles (one read per profile)", load);
    bench::report("  the same keys read one file read per key", loadSingle);
    bench::report("save of four profiles (one atomic replacement)", save);
    bench::report("  the same writes, one whole-file rewrite per key", saveSingle);
    std::printf("save speed-up over one rewrite per key: %.1fx (target: at least 20x)\n",
                saveSingle / save);
    std::printf("load speed-up over one read per key:    %.1fx\n", loadSingle / load);
    std::filesystem::remove_all(dir);
    return 0;
}

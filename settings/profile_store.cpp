// Reading and writing the profile sections of config.ini; see profile_store.h.
#include "settings/profile_store.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/file_ops.h"
#include "platform/folder_lock.h"
#include "platform/private_profile.h"
#include "settings/combination.h"

namespace karvo {

// One key of config.ini as a save writes it.
struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
};

namespace {

constexpr std::string_view kInit = "Init";
constexpr std::string_view kShare = "ShareData";
constexpr std::size_t kNumberBuffer = 5;   // at most 4 digits
constexpr std::size_t kColourBuffer = 10;  // DPI and colour keys
constexpr std::size_t kKeyBuffer = 260;    // K<b>, which may carry a combination

std::string profileSection(int p) {
    return "Config" + std::to_string(p);
}
std::string num(int n) {
    return std::to_string(n);
}

// One key of [ShareData]: how it is read into the settings and what is written for it.
// A key without `load` is written only; a key without `store` is read and dropped.
struct SharedKey {
    std::string name;
    std::size_t buffer;
    std::function<std::int32_t(const SharedSettings&)> store;
    std::function<void(SharedSettings&, std::int32_t)> load;
};

std::uint8_t low8(std::int32_t v) {
    return static_cast<std::uint8_t>(v);
}

// Adds the three keys <prefix>_R, _G and _B of the colour `at` selects.
template <class At>
void addColour(std::vector<SharedKey>& keys, const std::string& prefix, At at) {
    constexpr std::pair<std::string_view, std::int32_t ColourLevels::*> kParts[] = {
        {"_R", &ColourLevels::r}, {"_G", &ColourLevels::g}, {"_B", &ColourLevels::b}};
    for (const auto& part : kParts) {
        const auto member = part.second;
        keys.push_back({prefix + std::string(part.first), kColourBuffer,
                        [at, member](const SharedSettings& s) { return at(s).*member; },
                        [at, member](SharedSettings& s, std::int32_t v) { at(s).*member = v; }});
    }
}

// The keys of [ShareData] in the order they are written.
const std::vector<SharedKey>& sharedKeys() {
    static const std::vector<SharedKey> keys = [] {
        std::vector<SharedKey> k;
        k.push_back({"DPI_LEVEL", kNumberBuffer, [](const SharedSettings& s) { return s.dpiLevel; },
                     // The level indexes the six DPI levels everywhere: keep it inside them.
                     [](SharedSettings& s, std::int32_t v) {
                         s.dpiLevel = std::clamp(v, 0, kDpiLevels - 1);
                     }});
        k.push_back(
            {"LED_USER_COLER_EN", kNumberBuffer, [](const SharedSettings&) { return 1; }, nullptr});
        k.push_back({"CYC_7COL_EN", kNumberBuffer,
                     [](const SharedSettings& s) { return s.colourCycleMask; },
                     [](SharedSettings& s, std::int32_t v) { s.colourCycleMask = low8(v); }});
        for (std::size_t d = 0; d < kDpiLevels; ++d) {
            const std::string n = num(static_cast<int>(d));
            k.push_back({"DPI_SET" + n, kColourBuffer,
                         [d](const SharedSettings& s) { return s.dpi[d].step; },
                         [d](SharedSettings& s, std::int32_t v) { s.dpi[d].step = low8(v); }});
            k.push_back({"DPI_SET_EN" + n, kColourBuffer,
                         [d](const SharedSettings& s) { return s.dpi[d].enabled ? 1 : 0; },
                         [d](SharedSettings& s, std::int32_t v) { s.dpi[d].enabled = v != 0; }});
            addColour(
                k, "DPI" + n, [d](auto& s) -> auto& { return s.dpi[d].colour; });
        }
        for (std::size_t c = 0; c < kUserColours; ++c) {
            addColour(
                k, "LED_USER" + num(static_cast<int>(c)), [c](auto& s) -> auto& {
                    return s.userColour[c];
                });
        }
        k.push_back({"LED_TYPE", kNumberBuffer, [](const SharedSettings& s) { return s.ledType; },
                     [](SharedSettings& s, std::int32_t v) { s.ledType = low8(v); }});
        for (std::size_t t = 0; t < kLedTypes; ++t) {
            k.push_back({"LED_TYPE_SW_EN" + num(static_cast<int>(t)), kNumberBuffer,
                         [t](const SharedSettings& s) { return s.ledTypeEnabled[t]; },
                         [t](SharedSettings& s, std::int32_t v) { s.ledTypeEnabled[t] = v; }});
        }
        // Older versions read the speed from LED_CYC_TIME; it is still written for them.
        k.push_back({"LED_CYC_TIME", kNumberBuffer,
                     [](const SharedSettings& s) { return s.ledCycleTime; }, nullptr});
        // The start colour has no control of its own; a value in the file is not taken over,
        // so a file from another program cannot change the effect's look unseen.
        k.push_back({"LED_FEATURE_SCOLOR", kNumberBuffer,
                     [](const SharedSettings& s) { return s.ledStartColour; },
                     [](SharedSettings&, std::int32_t) {}});
        k.push_back({"LED_FEATURE_SYMMETRY", kNumberBuffer,
                     [](const SharedSettings& s) { return s.ledSymmetry; },
                     [](SharedSettings& s, std::int32_t v) { s.ledSymmetry = v; }});
        k.push_back({"LED_FEATURE_DIREC", kNumberBuffer,
                     [](const SharedSettings& s) { return s.ledDirection; },
                     [](SharedSettings& s, std::int32_t v) { s.ledDirection = v; }});
        k.push_back({"LED_BRIGHT", kNumberBuffer,
                     [](const SharedSettings& s) { return s.ledBrightness; },
                     [](SharedSettings& s, std::int32_t v) { s.ledBrightness = v; }});
        k.push_back({"LED_CYCTIME", kNumberBuffer,
                     [](const SharedSettings& s) { return s.ledCycleTime; },
                     [](SharedSettings& s, std::int32_t v) { s.ledCycleTime = low8(v); }});
        k.push_back({"DPI_SPEED", kNumberBuffer,
                     [](const SharedSettings& s) { return s.pointerSpeed; },
                     [](SharedSettings& s, std::int32_t v) { s.pointerSpeed = low8(v); }});
        k.push_back({"WHEEL_SPEED", kNumberBuffer,
                     [](const SharedSettings& s) { return s.wheelSpeed; },
                     [](SharedSettings& s, std::int32_t v) { s.wheelSpeed = low8(v); }});
        k.push_back({"USB_SPEED", kNumberBuffer, [](const SharedSettings& s) { return s.usbSpeed; },
                     [](SharedSettings& s, std::int32_t) { s.usbSpeed = 0; }});
        k.push_back({"FIRE_TIME", kNumberBuffer, [](const SharedSettings& s) { return s.fireTime; },
                     [](SharedSettings& s, std::int32_t v) { s.fireTime = v; }});
        k.push_back({"MODE_LIGHT", kNumberBuffer,
                     [](const SharedSettings& s) { return s.modeLight; },
                     [](SharedSettings& s, std::int32_t v) { s.modeLight = v; }});
        k.push_back({"SOFT_HARD_MAC", kNumberBuffer,
                     [](const SharedSettings& s) { return s.softHardMac; },
                     [](SharedSettings& s, std::int32_t v) { s.softHardMac = v; }});
        return k;
    }();
    return keys;
}

// Reads profile p of `file` and the shared settings of `sharedFile` into `s`.
void readProfile(const ini::IniSnapshot& file, const ini::IniSnapshot& sharedFile, int p,
                 const MacVkAndText& keys, Settings& s) {
    const std::string section = profileSection(p);
    ProfileSettings& profile = s.profiles[static_cast<std::size_t>(p)];
    for (std::size_t b = 0; b < kButtonSlots; ++b) {
        const std::string n = num(static_cast<int>(b));
        ButtonAssignment& button = profile.buttons[b];
        const std::string k = file.get(section, "K" + n, "", kKeyBuffer);
        const std::size_t comma = k.find(',');
        button.function = ini::toInt(k.substr(0, comma));
        button.combination = comma == std::string::npos ? std::string() : k.substr(comma + 1);
        button.leftMac = file.getInt(section, "LEFT_MAC" + num(p) + n, kNumberBuffer);
        s.macroColour[b] = std::clamp(file.getInt(section, "MAC_COR" + n, kNumberBuffer), 0, 6);
        button.ledReactEnable = 1;
        button.ledReactType = file.getInt(section, "LED_REACT_TYPE" + n, kNumberBuffer);
    }
    for (const SharedKey& key : sharedKeys()) {
        if (key.load)
            key.load(s.shared, sharedFile.getInt(kShare, key.name, key.buffer));
    }
    s.shared.usbSpeed = 0;
    s.shared.reportRateCode = 7;
    s.shared.wheelStatus = 0;
    s.shared.ledUserColourEnable = 1;
    combination::regenerateCopies(s, keys);
}

// The entries of profile p and of the shared settings, in the order they are written.
void profileEntries(const Settings& s, int p, std::vector<ProfileEntry>& out) {
    const std::string section = profileSection(p);
    const ProfileSettings& profile = s.profiles[static_cast<std::size_t>(p)];
    for (std::size_t b = 0; b < kButtonSlots; ++b) {
        const std::string n = num(static_cast<int>(b));
        const ButtonAssignment& button = profile.buttons[b];
        std::string k = num(button.function);
        if (button.function == kFunctionCombination)
            k += "," + button.combination;
        out.push_back({section, "K" + n, k});
        out.push_back({section, "LED_REACT_EN" + n, num(button.ledReactEnable)});
        out.push_back({section, "LEFT_MAC" + num(p) + n, num(button.leftMac)});
        out.push_back({section, "MAC_COR" + n, num(s.macroColour[b])});
        out.push_back({section, "LED_REACT_TYPE" + n, num(button.ledReactType)});
    }
    out.push_back({section, "WHEEL_STATUS", "0"});
    for (const SharedKey& key : sharedKeys())
        out.push_back({std::string(kShare), key.name, num(key.store(s.shared))});
}

bool validProfile(int p) {
    return p >= 0 && p < kProfiles;
}

}  // namespace

ProfileStore::ProfileStore(std::filesystem::path configFolder, const MacVkAndText& keys,
                           Notifier& notifier)
    : configFile_(configFolder / "config.ini"),
      resetFile_(configFolder / "configReset.ini"),
      keys_(keys),
      notifier_(notifier) {}

void ProfileStore::reportWriteFailure(const std::filesystem::path& file) const {
    notifier_.message("The settings could not be saved to " + file.string() +
                      ". The file is unchanged; check that the folder is writable and the disk "
                      "is not full. " +
                      fileops::lastError());
}

bool ProfileStore::loadProfile(SettingsModel& model, int profile, Source source) const {
    if (!validProfile(profile))
        return false;
    const ini::IniSnapshot file(source == Source::Reset ? resetFile_ : configFile_);
    if (!file.exists()) {
        notifier_.tipText(4);
        return false;
    }
    // A section the file lacks (an emptied or cut file) would read as all zeros: a mouse
    // without a left click. It comes from the factory copy instead, and is written at the
    // next save.
    const std::string section = profileSection(profile);
    const bool hasProfile = file.document().hasSection(section);
    const bool hasShared = file.document().hasSection(kShare);
    std::optional<ini::IniSnapshot> reset;
    if (source == Source::Config && (!hasProfile || !hasShared)) {
        reset.emplace(resetFile_);
        if (reset->exists()) {
            notifier_.message(configFile_.filename().string() + " has no [" +
                              (hasProfile ? std::string(kShare) : section) +
                              "] section; the factory settings of " +
                              resetFile_.filename().string() + " are used for it.");
        } else {
            reset.reset();
        }
    }
    const ini::IniSnapshot& buttons = hasProfile || !reset ? file : *reset;
    const ini::IniSnapshot& shared = hasShared || !reset ? file : *reset;
    const Settings loaded = model.edit([&](Settings& s) {
        readProfile(buttons, shared, profile, keys_, s);
        return s;
    });
    if (source == Source::Config) {
        std::vector<ProfileEntry> entries;
        profileEntries(loaded, profile, entries);
        remember(entries);
    }
    return true;
}

void ProfileStore::remember(std::span<const ProfileEntry> entries) const {
    const std::lock_guard guard(baselineLock_);
    for (const ProfileEntry& e : entries)
        baseline_[e.section + '\n' + e.key] = e.value;
}

bool ProfileStore::writeEntries(const std::filesystem::path& file,
                                std::span<const ProfileEntry> entries, Write mode) const {
    // Only what this program changed since it last read or wrote a key goes to disk, on top of
    // the file as it is now: another process's change of another key survives, and a key
    // missing from the file is always written.
    const bool onlyChanges = mode == Write::Changes && file == configFile_;
    ini::IniTransaction tx(file);
    {
        const std::lock_guard guard(baselineLock_);
        for (const ProfileEntry& e : entries) {
            if (onlyChanges) {
                const auto known = baseline_.find(e.section + '\n' + e.key);
                if (known != baseline_.end() && known->second == e.value &&
                    tx.document().rawValue(e.section, e.key))
                    continue;
            }
            tx.set(e.section, e.key, e.value);
        }
    }
    if (!tx.commit()) {
        reportWriteFailure(file);
        return false;
    }
    if (file == configFile_)
        remember(entries);
    return true;
}

bool ProfileStore::saveProfile(const Settings& settings, int profile,
                               const std::filesystem::path& file) const {
    if (!validProfile(profile))
        return false;
    std::vector<ProfileEntry> entries;
    profileEntries(settings, profile, entries);
    return writeEntries(file, entries, Write::Changes);
}

bool ProfileStore::saveAll(const Settings& settings) const {
    std::vector<ProfileEntry> entries{
        {std::string(kInit), "CurConfig", num(settings.currentProfile)}};
    for (int p = 0; p < kProfiles; ++p)
        profileEntries(settings, p, entries);
    return writeEntries(configFile_, entries, Write::Changes);
}

bool ProfileStore::writeInit(std::string_view key, std::int32_t value) const {
    const ProfileEntry entry{std::string(kInit), std::string(key), num(value)};
    return writeEntries(configFile_, std::span(&entry, 1), Write::All);
}

bool ProfileStore::saveCurrentProfile(int profile) const {
    return writeInit("CurConfig", profile);
}

bool ProfileStore::saveLanguage(int languageIndex) const {
    return writeInit("VER_SEL", languageIndex);
}

bool ProfileStore::saveDpiLevel(std::int32_t level) const {
    const ProfileEntry entry{std::string(kShare), "DPI_LEVEL", num(level)};
    return writeEntries(configFile_, std::span(&entry, 1), Write::All);
}

int ProfileStore::readCurrentProfile() const {
    const std::string text = ini::readString(configFile_, kInit, "CurConfig", "", kNumberBuffer);
    const ProfileEntry read{std::string(kInit), "CurConfig", text};
    remember(std::span(&read, 1));
    const std::int32_t p = ini::toInt(text);
    if (validProfile(p))
        return p;
    notifier_.message(configFile_.filename().string() + ": [Init] CurConfig = " + text +
                      " names no profile (0 to 3); the first profile is used.");
    return 0;
}

int ProfileStore::readLanguage() const {
    return static_cast<std::uint8_t>(
        ini::toInt(ini::readString(configFile_, kInit, "VER_SEL", "", kNumberBuffer)));
}

std::string ProfileStore::readConfigNum() const {
    return ini::readString(configFile_, kInit, "ConfigNum", "", kNumberBuffer);
}

bool ProfileStore::resetAll(SettingsModel& model) const {
    const ini::IniSnapshot reset(resetFile_);
    if (!reset.exists()) {
        notifier_.tipText(4);
        return false;
    }
    const Settings after = model.edit([&](Settings& s) {
        for (int p = kProfiles - 1; p >= 0; --p)
            readProfile(reset, reset, p, keys_, s);
        return s;
    });
    std::vector<ProfileEntry> entries;
    for (int p = kProfiles - 1; p >= 0; --p)
        profileEntries(after, p, entries);
    return writeEntries(configFile_, entries, Write::All);
}

bool ProfileStore::importConfig(const std::filesystem::path& file, const DeviceDescription& device,
                                SettingsModel& model) const {
    const ini::IniSnapshot candidate(file);
    if (!candidate.exists()) {
        notifier_.tipText(5);
        return false;
    }
    std::string name = candidate.get("PRODUCTNAME", "PRODUCTNAME_CN", "", 50);
    if (name.empty())
        name = candidate.get("PRODUCTNAME", "PRODUCTNAME_EN", "", 50);
    if (!device.isProductName(name)) {
        notifier_.tipText(8);
        return false;
    }
    // A file of this product without its profiles would replace every setting with zeros.
    for (int p = 0; p < kProfiles; ++p) {
        if (!candidate.document().hasSection(profileSection(p))) {
            notifier_.message(file.filename().string() + " holds no [" + profileSection(p) +
                              "] section, so it is no complete configuration; nothing was "
                              "imported.");
            return false;
        }
    }
    {
        const fileops::FolderLock lock(configFile_.parent_path());
        if (!fileops::copyFileAtomically(file, configFile_)) {
            reportWriteFailure(configFile_);
            return false;
        }
    }
    for (int p = 0; p < kProfiles; ++p)
        loadProfile(model, p, Source::Config);
    return true;
}

bool ProfileStore::exportConfig(const std::filesystem::path& file) const {
    std::error_code ec;
    const auto target = fileops::writeTarget(file);
    if (target && std::filesystem::exists(*target, ec) &&
        !std::filesystem::is_regular_file(*target, ec)) {
        notifier_.message(file.string() + " is not a regular file; nothing was exported.");
        return false;
    }
    if (!fileops::copyFileAtomically(configFile_, file) || !std::filesystem::exists(file, ec)) {
        notifier_.tipText(5);
        return false;
    }
    return true;
}

}  // namespace karvo

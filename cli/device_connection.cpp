// Choosing and wiring the HID back-end of karvoctl; see device_connection.h.
#include "cli/device_connection.h"

#include <system_error>

#include "cli/cli_error.h"
#include "device/sim/emulated_hid_backend.h"
#include "platform/linux/hidapi_backend.h"
#include "platform/linux/hidraw_connection.h"

namespace karvo::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSimulatedPath = "sim:0";

// A state file must be the mouse's whole memory; anything else would silently start the
// emulated mouse from cleared memory and then overwrite the user's file with it.
void checkStateFile(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec))
        throw CliError::failure("state file " + file.string() + " is a folder");
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        throw CliError::failure("cannot keep the state file " + file.string() + ": folder " +
                                folder.string() + " does not exist");
    if (fs::exists(file, ec)) {
        const auto size = fs::file_size(file, ec);
        if (ec || size != sim::EmulatedMouse::kMemorySize) {
            throw CliError::failure(
                "state file " + file.string() + " holds " +
                (ec ? std::string("unreadable data") : std::to_string(size) + " bytes") +
                ", not the 65536 bytes of the mouse's memory");
        }
    }
}

}  // namespace

DeviceConnection::DeviceConnection(Clock& clock, const Options& options) : link_(clock) {
    // Everything that can fail is checked before the emulated mouse exists: it saves its
    // memory when it goes, and a refused command must not leave a state file behind.
    if (options.simulate && !options.stateFile.empty())
        checkStateFile(options.stateFile);
    if (!options.reportLog.empty()) {
        log_ = std::make_unique<device::ReportLog>(clock, options.reportLog);
        if (!log_->ok())
            throw CliError::failure("cannot write the report log " + options.reportLog.string());
    }
    if (options.simulate) {
        sim::EmulatedMouse::Options mouseOptions;
        mouseOptions.stateFile = options.stateFile;
        mouseOptions.keepReports = false;
        mouse_ = std::make_shared<sim::EmulatedMouse>(clock, mouseOptions);
        auto emulated = std::make_unique<sim::EmulatedHidBackend>();
        emulated->plug(mouse_, kSimulatedPath);
        system_ = std::move(emulated);
    } else {
        system_ = std::make_unique<hid::HidapiBackend>();
    }
    backend_ = system_.get();
    if (log_) {
        logging_ = std::make_unique<device::LoggingHidBackend>(*system_, *log_);
        backend_ = logging_.get();
    }
}

DeviceConnection::~DeviceConnection() {
    link_.close();
}

bool DeviceConnection::discover(const std::string& productString) {
    discovery_ = std::make_unique<device::DeviceDiscovery>(*backend_, link_, productString);
    return discovery_->discover();
}

device::WrittenImageStore* DeviceConnection::writtenImages() {
    using Identity = device::FileWrittenImageStore::Identity;
    if (writtenImages_ || !discovery_ || discovery_->featurePath().empty())
        return writtenImages_.get();
    const std::string path = discovery_->featurePath();
    if (mouse_) {
        if (mouse_->options().stateFile.empty())
            return nullptr;  // its memory starts clear: every run is a new connection
        // The memory it holds is the connection: a state file changed in between, by another
        // program or by hand, is another mouse as far as the record is concerned.
        const std::shared_ptr<sim::EmulatedMouse> mouse = mouse_;
        writtenImages_ = std::make_unique<device::FileWrittenImageStore>(
            fs::path(mouse->options().stateFile.string() + ".last-image"), [mouse, path] {
                const auto memory = mouse->memory(0, sim::EmulatedMouse::kMemorySize);
                const std::string_view bytes(reinterpret_cast<const char*>(memory.data()),
                                             memory.size());
                return std::optional(Identity{
                    path,
                    "memory " + std::to_string(device::FileWrittenImageStore::fingerprint(bytes))});
            });
        return writtenImages_.get();
    }
    const auto file = device::FileWrittenImageStore::inUserCache(path);
    if (!file)
        return nullptr;
    writtenImages_ = std::make_unique<device::FileWrittenImageStore>(*file, [path] {
        const auto connection = hid::hidrawConnection(path);
        return connection ? std::optional(Identity{path, *connection}) : std::nullopt;
    });
    return writtenImages_.get();
}

std::unique_ptr<device::WrittenImageStore::Hold> DeviceConnection::holdForRead() {
    device::WrittenImageStore* store = writtenImages();
    if (!store)
        return nullptr;
    auto hold = store->holdDevice();
    if (!hold)
        throw CliError::failure(keptBusy("read"));
    return hold;
}

std::string DeviceConnection::keptBusy(std::string_view nothingWas) {
    return "another program (the window, or another karvoctl) kept the mouse busy for " +
           std::to_string(device::FileWrittenImageStore::kDefaultWait.count() / 1000) +
           " s; nothing was " + std::string(nothingWas);
}

bool DeviceConnection::finish(std::ostream& err) {
    if (finished_)
        return true;
    finished_ = true;
    link_.close();
    bool ok = true;
    if (log_ && log_->writeFailed()) {
        err << "karvoctl: the report log could not be written completely (is the disk full?)\n";
        ok = false;
    }
    if (!mouse_)
        return ok;
    for (const std::string& e : mouse_->protocolErrors()) {
        err << "karvoctl: emulated mouse: protocol error: " << e << '\n';
        ok = false;
    }
    if (!mouse_->options().stateFile.empty() && !mouse_->saveState()) {
        err << "karvoctl: cannot save the state file " << mouse_->options().stateFile.string()
            << '\n';
        ok = false;
    }
    return ok;
}

}  // namespace karvo::cli

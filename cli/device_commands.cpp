// The commands that talk to the mouse; see device_commands.h.
#include "cli/device_commands.h"

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "cli/cli_error.h"
#include "cli/hex_format.h"
#include "cli/image_command.h"
#include "cli/json_writer.h"
#include "cli/progress_bar.h"
#include "device/device_discovery.h"
#include "device/download_retry.h"
#include "device/downloader.h"
#include "platform/command_runner.h"
#include "platform/linux/desktop_pointer_settings.h"
#include "platform/null_pointer_settings.h"
#include "services/user_files.h"

namespace karvo::cli {
namespace {

using device::DeviceDiscovery;

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value & 0xFFFF);
    return text;
}

bool isMouse(const hid::InterfaceInfo& info) {
    return info.vendorId == DeviceDiscovery::kVendorId &&
           (info.productId == DeviceDiscovery::kProductId ||
            info.productId == DeviceDiscovery::kOtherProductId);
}

int variantOf(std::uint16_t productId) {
    return productId == DeviceDiscovery::kProductId ? 1 : 0;
}

std::string accessText(const hid::OpenResult& r) {
    switch (r.error) {
        case hid::OpenError::None:
            return "ok";
        case hid::OpenError::PermissionDenied:
            return "no permission";
        case hid::OpenError::NotFound:
            return "gone";
        case hid::OpenError::Other:
            break;
    }
    return "cannot open" + (r.detail.empty() ? std::string() : ": " + r.detail);
}

std::string seconds(std::chrono::milliseconds d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(d.count()) / 1000.0);
    return text;
}

// Reads [address, address + bytes.size()) in blocks; a failure names the address that did not
// come back.
void readMemory(device::DeviceLink& link, std::size_t address, std::span<std::uint8_t> bytes,
                const std::function<void(std::size_t)>& progress) {
    for (std::size_t at = 0; at < bytes.size(); at += DeviceCommands::kReadBlock) {
        const std::size_t n = std::min(DeviceCommands::kReadBlock, bytes.size() - at);
        if (!link.readBlock(static_cast<std::uint16_t>(address + at), bytes.subspan(at, n)))
            throw CliError::failure("the mouse did not answer the read at address " +
                                    std::to_string(address + at));
        progress(at + n);
    }
}

}  // namespace

std::chrono::milliseconds DeviceCommands::readDuration(std::size_t bytes) {
    const std::size_t blocks = (bytes + kReadBlock - 1) / kReadBlock;
    return std::chrono::milliseconds(4 * bytes + 4 * blocks);
}

int DeviceCommands::devices(Session& session, Arguments& args) {
    args.finish();
    hid::HidBackend& backend = session.device().backend();
    struct Row {
        hid::InterfaceInfo info;
        std::string access;
    };
    std::vector<Row> rows;
    std::map<std::string, std::string> accessOfPath;  // collections of one node share a path
    bool denied = false;
    for (const hid::InterfaceInfo& info : backend.enumerate()) {
        if (!isMouse(info))
            continue;
        auto it = accessOfPath.find(info.path);
        if (it == accessOfPath.end()) {
            const hid::OpenResult opened = backend.open(info.path);
            it = accessOfPath.emplace(info.path, accessText(opened)).first;
            denied = denied || opened.error == hid::OpenError::PermissionDenied;
        }
        rows.push_back({info, it->second});
    }

    if (session.json()) {
        JsonWriter json(session.out());
        json.beginArray();
        for (const Row& r : rows) {
            json.beginObject()
                .key("path")
                .value(r.info.path)
                .key("vendor")
                .value(hex4(r.info.vendorId))
                .key("product")
                .value(hex4(r.info.productId))
                .key("productString")
                .value(r.info.productString)
                .key("usagePage")
                .value(hex4(r.info.usagePage))
                .key("usage")
                .value(hex4(r.info.usage))
                .key("variant")
                .value(variantOf(r.info.productId))
                .key("access")
                .value(r.access)
                .endObject();
        }
        json.endArray();
    } else {
        for (const Row& r : rows) {
            session.out() << r.info.path << "  " << hex4(r.info.vendorId) << ':'
                          << hex4(r.info.productId) << "  usage " << hex4(r.info.usagePage) << ':'
                          << hex4(r.info.usage) << "  variant " << variantOf(r.info.productId)
                          << "  " << r.access << "  \"" << r.info.productString << "\"\n";
        }
    }
    if (rows.empty())
        session.err() << "karvoctl: no Karvo G7 Pro is connected\n";
    if (denied) {
        session.err() << "hint: the mouse is connected but this user may not open it. Install "
                         "the udev rule 60-karvo-gmouse.rules into /etc/udev/rules.d/, run "
                         "'udevadm control --reload', then unplug the mouse and plug it in "
                         "again.\n";
    }
    return kExitOk;
}

int DeviceCommands::status(Session& session, Arguments& args) {
    args.finish();
    DeviceConnection& connection = session.device();
    const bool found = connection.discover(session.description().devString);
    const DeviceDiscovery& discovery = connection.discovery();
    std::optional<int> profile;
    if (found)
        profile = connection.link().queryStatus();

    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject().key("found").value(found);
        if (found) {
            json.key("path").value(discovery.featurePath());
            json.key("variant").value(discovery.VariantFlag());
            if (profile)
                json.key("profile").value(*profile + 1);
            else
                json.key("profile").null();
        }
        json.endObject();
    } else if (found) {
        const int variant = discovery.VariantFlag();
        session.out() << "mouse: found at " << discovery.featurePath() << '\n'
                      << "variant: " << variant << " (product "
                      << hex4(variant == 1 ? DeviceDiscovery::kProductId
                                           : DeviceDiscovery::kOtherProductId)
                      << ")\n";
        if (profile)
            session.out() << "profile: " << *profile + 1 << '\n';
    } else {
        session.out() << "mouse: not found\n";
    }

    if (!found) {
        throw CliError::failure(discovery.message().empty()
                                    ? "no " + session.description().productNameEn + " found"
                                    : discovery.message());
    }
    if (!profile)
        throw CliError::failure("the mouse did not answer the status query");
    return kExitOk;
}

int DeviceCommands::read(Session& session, Arguments& args) {
    const auto address = static_cast<std::size_t>(args.number("ADDR", 0, 0xFFFF));
    const auto length = static_cast<std::size_t>(args.number("LEN", 1, 0x10000));
    args.finish();
    if (address + length > 0x10000) {
        throw CliError::usage("ADDR + LEN (" + std::to_string(address + length) +
                              ") runs past the end of the mouse's memory (65536)");
    }
    DeviceConnection& connection = session.mouse();
    const auto duration = readDuration(length);
    if (duration > std::chrono::seconds(2))
        session.err() << "reading " << length << " bytes takes about " << seconds(duration) << '\n';
    std::vector<std::uint8_t> bytes(length);
    {
        const auto hold = connection.holdForRead();
        ProgressBar bar(session.err(), session.terminal() && duration > std::chrono::seconds(2),
                        "read");
        readMemory(connection.link(), address, bytes,
                   [&](std::size_t done) { bar.update(done, length); });
    }
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject()
            .key("address")
            .value(static_cast<std::int64_t>(address))
            .key("length")
            .value(static_cast<std::int64_t>(length))
            .key("bytes")
            .value(HexFormat::bytes(bytes))
            .endObject();
    } else {
        session.out() << HexFormat::dump(address, bytes);
    }
    return kExitOk;
}

int DeviceCommands::apply(Session& session, Arguments& args) {
    const bool quiet = args.flag("--quiet");
    const bool full = args.flag("--full");
    args.finish();
    DeviceConnection& connection = session.mouse();

    // The desktop's pointer speed follows the configuration as it does in the window; an
    // emulated mouse leaves the desktop alone.
    SystemCommandRunner runner;
    DesktopPointerSettings desktop;
    if (connection.emulatedMouse() == nullptr) {
        desktop = openDesktopPointerSettings(DesktopSession::ofProcess(), runner);
        const std::string notice = pointerBackendNotice(desktop.backend);
        if (!notice.empty() && UserFiles::firstTime(session.paths(), "wayland-pointer"))
            session.err() << "karvoctl: " << notice << '\n';
    } else {
        desktop.settings = std::make_unique<NullPointerSettings>();
    }
    PointerSettings* pointer = desktop.settings.get();

    device::Downloader downloader(connection.link(), session.settings(), session.description(),
                                  session.macros(), session.keys(), session.notifier(), *pointer);
    downloader.setVariantFlag(connection.discovery().VariantFlag());
    // Without a place to keep what was written, nothing is known at the next run: every
    // apply then writes everything.
    downloader.setWrittenImageStore(connection.writtenImages());
    std::size_t written = 0;
    device::Downloader::Result result;
    {
        ProgressBar bar(session.err(), session.terminal() && !quiet, "apply");
        // A transport error (the mouse re-plugged meanwhile) gets one more run from the start.
        result =
            device::downloadWithRetry(
                downloader, [&] { return connection.discover(session.description().devString); },
                [&](std::size_t w, std::size_t t) {
                    written = w;
                    bar.update(w, t);
                },
                full ? device::Downloader::Writes::All : device::Downloader::Writes::Changed)
                .result;
    }
    const device::Downloader::Summary summary = downloader.lastSummary();
    if (!summary.problem.empty())
        session.err() << "karvoctl: note: " << summary.problem << "; writing everything\n";

    switch (result) {
        case device::Downloader::Result::Complete:
            break;
        case device::Downloader::Result::Stopped:
            throw CliError::failure("the download stopped early after " + std::to_string(written) +
                                    " of " + std::to_string(summary.sent) +
                                    " blocks; no refresh was sent");
        case device::Downloader::Result::TransportFailed:
            throw CliError::failure("the mouse stopped answering after " + std::to_string(written) +
                                    " blocks");
        case device::Downloader::Result::Busy:
            throw CliError::failure("another download is running");
        case device::Downloader::Result::OtherProgram:
            throw CliError::failure(DeviceConnection::keptBusy("written"));
    }
    // A button whose macro does not exist went to the mouse without it: that is no success.
    if (const auto image = downloader.lastImage();
        image && !image->assignments().corrections().empty()) {
        std::string which;
        for (const device::FunctionCorrection& c : image->assignments().corrections()) {
            which += (which.empty() ? "" : ", ") + std::string("profile ") +
                     std::to_string(c.profile + 1) + " button " + std::to_string(c.slot + 1) +
                     " (code " + std::to_string(c.was) + ")";
        }
        throw CliError::failure("written, but without the macros of " + which +
                                ": they do not exist in the macro folder " +
                                session.paths().macroFolder.string());
    }
    const bool changedOnly = summary.reason == device::ApplyPlan::Reason::Changed;
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject()
            .key("result")
            .value("complete")
            .key("blocks")
            .value(static_cast<std::int64_t>(summary.sent))
            .key("of")
            .value(static_cast<std::int64_t>(summary.total))
            .key("changedOnly")
            .value(changedOnly);
        if (!changedOnly)
            json.key("why").value(std::string(device::ApplyPlan::describe(summary.reason)));
        json.endObject();
    } else if (!quiet) {
        session.out() << "applied: ";
        if (changedOnly)
            session.out() << summary.sent << " of " << summary.total
                          << " blocks (the changed ones)";
        else
            session.out() << summary.sent << " blocks";
        session.out() << " written to " << connection.discovery().featurePath();
        if (!changedOnly)
            session.out() << " (everything: " << device::ApplyPlan::describe(summary.reason) << ')';
        session.out() << '\n';
    }
    return kExitOk;
}

int DeviceCommands::verify(Session& session, Arguments& args) {
    args.finish();
    DeviceConnection& connection = session.mouse();
    // From the kept record to the last byte read, so both are of the same write.
    const auto hold = connection.holdForRead();
    device::DeviceMemoryImage::Inputs inputs;
    inputs.variantFlag = connection.discovery().VariantFlag();
    inputs.lightLevel = connection.link().lightLevel();
    // What the last complete write handed on (the macro area end, the kept lighting effect)
    // is what apply builds its next image from, so it is what apply last wrote.
    if (device::WrittenImageStore* store = connection.writtenImages()) {
        if (const auto kept = store->load().image)
            inputs.previous = kept->previous;
    }
    const device::DeviceMemoryImage image = ImageCommand::build(session, inputs);

    std::vector<AddressRange> ranges;
    for (const device::BlockWrite& w : image.writes())
        ranges.push_back({w.address, std::size_t{w.address} + w.length});
    ranges = HexFormat::merge(std::move(ranges));
    std::size_t total = 0;
    std::chrono::milliseconds duration{0};
    for (const AddressRange& r : ranges) {
        total += r.end - r.begin;
        duration += readDuration(r.end - r.begin);
    }
    session.err() << "verify: reading back " << total << " bytes, about " << seconds(duration)
                  << '\n';

    struct Difference {
        std::size_t address;
        std::uint8_t expected;
        std::uint8_t actual;
    };
    std::vector<Difference> differences;
    {
        ProgressBar bar(session.err(), session.terminal(), "verify");
        std::size_t done = 0;
        for (const AddressRange& r : ranges) {
            std::vector<std::uint8_t> bytes(r.end - r.begin);
            readMemory(connection.link(), r.begin, bytes,
                       [&](std::size_t n) { bar.update(done + n, total); });
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                const std::uint8_t expected = image.bytes()[r.begin + i];
                if (bytes[i] != expected)
                    differences.push_back({r.begin + i, expected, bytes[i]});
            }
            done += bytes.size();
        }
    }

    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject().key("bytes").value(static_cast<std::int64_t>(total));
        json.key("differences").beginArray();
        for (const Difference& d : differences) {
            json.beginObject()
                .key("address")
                .value(static_cast<std::int64_t>(d.address))
                .key("expected")
                .value(static_cast<int>(d.expected))
                .key("read")
                .value(static_cast<int>(d.actual))
                .endObject();
        }
        json.endArray().endObject();
    } else {
        char line[64];
        for (const Difference& d : differences) {
            std::snprintf(line, sizeof line, "0x%04zx: expected %02x, read %02x\n", d.address,
                          d.expected, d.actual);
            session.out() << line;
        }
        session.out() << (differences.empty() ? "verified: all " : "differ: ")
                      << (differences.empty() ? total : differences.size())
                      << (differences.empty() ? " bytes match\n"
                                              : " of " + std::to_string(total) + " bytes\n");
    }
    return differences.empty() ? kExitOk : kExitFailure;
}

}  // namespace karvo::cli

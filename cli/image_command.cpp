// The image command; see image_command.h.
#include "cli/image_command.h"

#include <fstream>
#include <string_view>
#include <vector>

#include "cli/cli_error.h"
#include "cli/hex_format.h"
#include "cli/json_writer.h"
#include "device/sim/emulated_mouse.h"

namespace karvo::cli {
namespace {

// Files of the image command are written whole or reported; a half-written image would be
// taken for a real one.
void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw CliError::failure("cannot write " + file.string());
}

std::vector<AddressRange> writtenRanges(const device::DeviceMemoryImage& image) {
    std::vector<AddressRange> ranges;
    for (const device::BlockWrite& w : image.writes())
        ranges.push_back({w.address, std::size_t{w.address} + w.length});
    return HexFormat::merge(std::move(ranges));
}

}  // namespace

device::DeviceMemoryImage ImageCommand::build(Session& session,
                                              const device::DeviceMemoryImage::Inputs& inputs) {
    const Settings settings = session.settings().snapshot();
    return device::DeviceMemoryImage::build(settings, session.description(), session.macros(),
                                            session.keys(), inputs);
}

int ImageCommand::run(Session& session, Arguments& args) {
    device::DeviceMemoryImage::Inputs inputs;
    if (const auto v = args.option("--variant"))
        inputs.variantFlag = static_cast<std::int32_t>(Arguments::toNumber(*v, "--variant", 0, 1));
    if (const auto end = args.option("--prev-end"))
        inputs.previous.macroAreaEnd =
            static_cast<std::uint16_t>(Arguments::toNumber(*end, "--prev-end", 0, 0xFFFF));
    const auto binFile = args.option("--bin");
    const auto blocksFile = args.option("--blocks");
    args.finish();
    if ((binFile && binFile->empty()) || (blocksFile && blocksFile->empty()))
        throw CliError::usage("--bin and --blocks need a file name");

    const device::DeviceMemoryImage image = build(session, inputs);

    if (binFile) {
        // The whole memory of the mouse, as the emulated mouse's state file holds it.
        std::string bytes(sim::EmulatedMouse::kMemorySize, '\0');
        const auto memory = image.bytes();
        for (std::size_t i = 0; i < memory.size(); ++i)
            bytes[i] = static_cast<char>(memory[i]);
        writeFile(*binFile, bytes);
    }
    if (blocksFile) {
        std::string lines;
        for (const device::BlockWrite& w : image.writes())
            lines += std::to_string(w.address) + ' ' + HexFormat::bytes(w.bytes()) + '\n';
        writeFile(*blocksFile, lines);
    }
    if (!binFile && !blocksFile) {
        const auto ranges = writtenRanges(image);
        if (session.json()) {
            JsonWriter json(session.out());
            json.beginObject().key("writes").value(
                static_cast<std::int64_t>(image.writes().size()));
            json.key("stopped").value(image.stopped()).key("ranges").beginArray();
            for (const AddressRange& r : ranges) {
                json.beginObject().key("address").value(static_cast<std::int64_t>(r.begin));
                json.key("bytes").value(
                    HexFormat::bytes(image.bytes().subspan(r.begin, r.end - r.begin)));
                json.endObject();
            }
            json.endArray().endObject();
        } else {
            for (const AddressRange& r : ranges)
                session.out() << HexFormat::dump(r.begin,
                                                 image.bytes().subspan(r.begin, r.end - r.begin));
        }
    }

    // The notices the download would show; when it would stop early, the exit code says so.
    for (const device::PlannedNotice& n : image.notices())
        session.notifier().tipText(n.tipText);
    return image.stopped() ? kExitFailure : kExitOk;
}

}  // namespace karvo::cli

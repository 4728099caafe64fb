// The press command; see press_command.h.
#include "cli/press_command.h"

#include <chrono>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "cli/json_writer.h"
#include "device/sim/emulated_mouse.h"

namespace karvo::cli {
namespace {

// What the firmware does with a device function code, in the words of `show`.
std::string functionName(int deviceFunction) {
    switch (deviceFunction) {
        case 0:
            return "no function";
        case 1:
            return "left click";
        case 2:
            return "right click";
        case 3:
            return "middle click";
        case 4:
            return "back";
        case 5:
            return "forward";
        case 6:
            return "DPI cycle";
        case 11:
            return "DPI up";
        case 12:
            return "DPI down";
        case 13:
        case 14:
        case 30:
        case 31:
            return "macro";
        case 15:
            return "consumer key";
        case 20:
            return "handled by the host";
        case 23:
            return "cycle profiles";
        case 24:
            return "next profile";
        case 25:
            return "previous profile";
        case 26:
            return "first profile";
        default:
            return "device function " + std::to_string(deviceFunction);
    }
}

}  // namespace

int PressCommand::run(Session& session, Arguments& args) {
    const std::optional<std::string> holdText = args.option("--hold");
    const int buttons = session.description().keyNum;
    const auto button = static_cast<int>(args.number("BUTTON", 1, std::max(buttons, 1)));
    args.finish();
    std::int64_t holdMs = 0;
    if (holdText) {
        const auto parsed = Arguments::parseNumber(*holdText);
        if (!parsed || *parsed > 60000)
            throw CliError::usage("bad --hold '" + *holdText +
                                  "': expected milliseconds from 0 to 60000");
        holdMs = *parsed;
    }
    const auto deviceKey = session.description().keyMap.keyOfSlot(button - 1);
    if (!deviceKey || *deviceKey < 1 || *deviceKey > 14)
        throw CliError::failure("button " + std::to_string(button) +
                                " reaches no key of the mouse ([KEYMAP])");

    DeviceConnection& connection = session.mouse();
    sim::EmulatedMouse* mouse = connection.emulatedMouse();
    if (mouse == nullptr)
        throw CliError::failure("press works on the emulated mouse only (--simulate=STATEFILE)");

    const sim::EmulatedMouse::KeyDown done = mouse->keyDown(*deviceKey);
    session.clock().sleepFor(std::chrono::milliseconds(holdMs));
    mouse->keyUp(*deviceKey);
    // The host reads the two reports, so the report log shows what the window would get.
    if (const auto input = connection.link().inputHandle()) {
        std::vector<std::uint8_t> report(
            std::max<std::size_t>(connection.link().inputReportLength(), 3));
        while (input->readInput(report, std::chrono::milliseconds(0)).status ==
               hid::InputRead::Status::Report) {
        }
    }

    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject()
            .key("button")
            .value(static_cast<std::int64_t>(button))
            .key("deviceKey")
            .value(static_cast<std::int64_t>(*deviceKey))
            .key("function")
            .value(functionName(done.deviceFunction))
            .key("profile")
            .value(static_cast<std::int64_t>(done.profile + 1))
            .key("dpiLevel")
            .value(static_cast<std::int64_t>(done.dpiLevel + 1))
            .endObject();
        return kExitOk;
    }
    session.out() << "button " << button << " (device key " << int{*deviceKey}
                  << "): " << functionName(done.deviceFunction);
    if (done.profile != done.profileBefore)
        session.out() << "; profile " << done.profileBefore + 1 << " -> " << done.profile + 1;
    if (done.dpiLevel != done.dpiLevelBefore)
        session.out() << "; DPI level " << done.dpiLevelBefore + 1 << " -> " << done.dpiLevel + 1;
    session.out() << '\n';
    return kExitOk;
}

}  // namespace karvo::cli

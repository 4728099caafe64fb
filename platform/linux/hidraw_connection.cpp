// The identity of a hidraw device's connection; see hidraw_connection.h.
#include "platform/linux/hidraw_connection.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/file_ops.h"

namespace karvo::hid {

std::optional<std::string> hidrawConnection(std::string_view devicePath,
                                            const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    constexpr std::string_view kPrefix = "/dev/";
    if (devicePath.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    const std::string_view node = devicePath.substr(kPrefix.size());
    constexpr std::string_view kHidraw = "hidraw";
    const std::string_view number = node.substr(std::min(node.size(), kHidraw.size()));
    if (node.substr(0, kHidraw.size()) != kHidraw || number.empty() || number.size() > 6 ||
        !std::all_of(number.begin(), number.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
        return std::nullopt;

    std::error_code ec;
    const fs::path device =
        fs::canonical(root / "sys/class/hidraw" / std::string(node) / "device", ec);
    const std::string name = device.filename().string();
    if (ec || name.empty())
        return std::nullopt;
    std::string boot = fileops::readFile(root / "proc/sys/kernel/random/boot_id").value_or("");
    while (!boot.empty() && std::isspace(static_cast<unsigned char>(boot.back())))
        boot.pop_back();
    if (boot.empty())
        return std::nullopt;
    return boot + " " + name;
}

}  // namespace karvo::hid

// Tells one connection of a hidraw device from the next: the machine's boot and the kernel's name
// of the HID device behind the node ("0003:5E3D:2A17.000A"; the number after the dot grows with
// every HID device the kernel adds), so a mouse plugged in again, or the machine started again,
// gives another identity, while one connection keeps its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karvo::hid {

// For a node "/dev/hidrawN" (N digits only; nothing for any other path): "<boot id> <HID
// device name>", read from <root>/proc/sys/kernel/random/boot_id and the link
// <root>/sys/class/hidraw/hidrawN/device. Nothing when either cannot be read.
std::optional<std::string> hidrawConnection(std::string_view devicePath,
                                            const std::filesystem::path& root = "/");

}  // namespace karvo::hid

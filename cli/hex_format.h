// HexFormat: how karvoctl writes bytes: "5a 03 a5" runs, the "<address> <hex bytes>" lines of
// --blocks, and the hex dump of memory ranges that `read` and `image` print.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace karvo::cli {

// A run of addresses, [begin, end).
struct AddressRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const AddressRange&) const = default;
};

class HexFormat {
  public:
    // Two lower-case hex digits a byte, separated by single spaces.
    static std::string bytes(std::span<const std::uint8_t> data);

    // Lines of up to 16 bytes, each "0x<4 hex digits>  <bytes>", the first at `address`.
    static std::string dump(std::size_t address, std::span<const std::uint8_t> data);

    // The sorted, merged runs of addresses covered by (address, length) pairs; overlapping and
    // touching runs become one.
    static std::vector<AddressRange> merge(std::vector<AddressRange> ranges);
};

}  // namespace karvo::cli

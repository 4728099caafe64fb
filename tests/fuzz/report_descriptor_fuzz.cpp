// Feeds arbitrary bytes to the report descriptor parser, as a hostile or broken device could.
// Beyond not crashing, the parse must keep its own promises about what it returns.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto d = karvo::hid::ReportDescriptor::parse(std::span(data, size));
    // Every collection needs at least its Collection and End Collection items (2 bytes).
    if (d.collections().size() > size / 2)
        std::abort();
    if (!d.ok() && d.error().empty())
        std::abort();
    // The same bytes always give the same answer (no state leaks between parses).
    const auto again = karvo::hid::ReportDescriptor::parse(std::span(data, size));
    if (again.error() != d.error() || again.collections().size() != d.collections().size()) {
        std::abort();
    }
    return 0;
}

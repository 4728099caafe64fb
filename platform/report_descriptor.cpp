// HID report descriptor items (HID 1.11, section 6.2.2): a prefix byte with size (bits 0-1:
// 0, 1, 2 or 4 data bytes), type (bits 2-3: main, global, local) and tag (bits 4-7), then the
// data, little-endian; 0xFE opens a long item with its own size byte, which is skipped.
#include "platform/report_descriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace karvo::hid {
namespace {

// Main item tags.
constexpr unsigned kInput = 0x8;
constexpr unsigned kOutput = 0x9;
constexpr unsigned kCollection = 0xA;
constexpr unsigned kFeature = 0xB;
constexpr unsigned kEndCollection = 0xC;
// Global item tags.
constexpr unsigned kUsagePage = 0x0;
constexpr unsigned kReportSize = 0x7;
constexpr unsigned kReportId = 0x8;
constexpr unsigned kReportCount = 0x9;
constexpr unsigned kPush = 0xA;
constexpr unsigned kPop = 0xB;
// Local item tags.
constexpr unsigned kUsage = 0x0;
constexpr unsigned kUsageMinimum = 0x1;

constexpr std::size_t kMaxPushDepth = 32;
constexpr std::size_t kMaxNesting = 256;
// No report is anywhere near this; the cap keeps the sums far from overflowing.
constexpr std::uint64_t kMaxReportBits = 8ull * 0x10000;

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

// Bits per (kind, report id) of one top-level collection; kind 0 input, 1 output, 2 feature.
using ReportBits = std::map<std::pair<int, std::uint8_t>, std::uint64_t>;

std::uint16_t longestReport(const ReportBits& bits, int kind) {
    std::uint64_t longest = 0;
    bool any = false;
    for (const auto& [key, count] : bits) {
        if (key.first != kind)
            continue;
        any = true;
        longest = std::max(longest, (count + 7) / 8);
    }
    if (!any)
        return 0;
    return static_cast<std::uint16_t>(std::min<std::uint64_t>(longest + 1, 0xFFFF));
}

}  // namespace

ReportDescriptor ReportDescriptor::parse(std::span<const std::uint8_t> bytes) {
    ReportDescriptor result;
    Globals globals;
    std::vector<Globals> pushed;
    std::uint32_t firstUsage = 0;
    bool haveUsage = false;
    bool usageHasPage = false;
    std::size_t depth = 0;
    ReportBits bits;
    Collection current;

    auto fail = [&](std::size_t at, const std::string& why) {
        result.error_ = why + " at byte " + std::to_string(at);
        return result;
    };

    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t at = pos;
        const std::uint8_t prefix = bytes[pos++];
        if (prefix == 0xFE) {  // long item: size, tag, data
            if (bytes.size() - pos < 2)
                return fail(at, "truncated long item");
            const std::size_t size = bytes[pos];
            pos += 2;
            if (bytes.size() - pos < size)
                return fail(at, "truncated long item");
            pos += size;
            continue;
        }
        static constexpr std::array<std::size_t, 4> kSizes{0, 1, 2, 4};
        const std::size_t size = kSizes[prefix & 3];
        const unsigned type = (prefix >> 2) & 3;
        const unsigned tag = prefix >> 4;
        if (bytes.size() - pos < size)
            return fail(at, "truncated item");
        std::uint32_t data = 0;
        for (std::size_t i = 0; i < size; ++i)
            data |= std::uint32_t{bytes[pos + i]} << (8 * i);
        pos += size;

        if (type == 0) {  // main
            switch (tag) {
                case kCollection:
                    if (depth == kMaxNesting)
                        return fail(at, "collections nested too deep");
                    if (depth == 0) {
                        current = Collection{};
                        current.usagePage = static_cast<std::uint16_t>(
                            usageHasPage ? firstUsage >> 16 : globals.usagePage);
                        current.usage = static_cast<std::uint16_t>(haveUsage ? firstUsage : 0);
                        bits.clear();
                    }
                    ++depth;
                    break;
                case kEndCollection:
                    if (depth == 0)
                        return fail(at, "end of a collection never opened");
                    if (--depth == 0) {
                        current.inputReportLength = longestReport(bits, 0);
                        current.outputReportLength = longestReport(bits, 1);
                        current.featureReportLength = longestReport(bits, 2);
                        result.collections_.push_back(current);
                    }
                    break;
                case kInput:
                case kOutput:
                case kFeature:
                    // Reports outside every collection belong to none; Windows ignores them too.
                    if (depth > 0) {
                        const int kind = tag == kInput ? 0 : tag == kOutput ? 1 : 2;
                        std::uint64_t& sum = bits[{kind, globals.reportId}];
                        sum = std::min(kMaxReportBits, sum + std::uint64_t{globals.reportSize} *
                                                                 globals.reportCount);
                    }
                    break;
                default:
                    break;
            }
            haveUsage = false;
            usageHasPage = false;
            firstUsage = 0;
        } else if (type == 1) {  // global
            switch (tag) {
                case kUsagePage:
                    globals.usagePage = data & 0xFFFF;
                    break;
                case kReportSize:
                    globals.reportSize = data;
                    break;
                case kReportCount:
                    globals.reportCount = data;
                    break;
                case kReportId:
                    if (data == 0 || data > 0xFF)
                        return fail(at, "report id out of range");
                    globals.reportId = static_cast<std::uint8_t>(data);
                    break;
                case kPush:
                    if (pushed.size() == kMaxPushDepth)
                        return fail(at, "push stack overflow");
                    pushed.push_back(globals);
                    break;
                case kPop:
                    if (pushed.empty())
                        return fail(at, "pop without push");
                    globals = pushed.back();
                    pushed.pop_back();
                    break;
                default:
                    break;
            }
        } else if (type == 2) {  // local: the first usage names the collection that follows
            if ((tag == kUsage || tag == kUsageMinimum) && !haveUsage) {
                haveUsage = true;
                usageHasPage = size == 4;
                firstUsage = data;
            }
        }
    }
    if (depth != 0) {
        result.error_ = "descriptor ends inside a collection";
    }
    return result;
}

}  // namespace karvo::hid

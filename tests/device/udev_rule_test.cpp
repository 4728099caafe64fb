// The shipped udev rule: it must grant access to both products of the mouse through the seat
// ("uaccess") and never make the nodes world-writable.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "platform/file_ops.h"

namespace karvo {
namespace {

TEST(UdevRule, TagsBothProductsForTheSeatUserAndOpensThemToNobodyElse) {
    const auto rule = fileops::readFile(std::filesystem::path(KARVO_SOURCE_DATA_DIR) / "linux" /
                                        "60-karvo-gmouse.rules");
    ASSERT_TRUE(rule.has_value());
    int matched = 0;
    std::istringstream lines(*rule);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        EXPECT_NE(line.find("SUBSYSTEM==\"hidraw\""), std::string::npos) << line;
        EXPECT_NE(line.find("ATTRS{idVendor}==\"5e3d\""), std::string::npos) << line;
        EXPECT_NE(line.find("TAG+=\"uaccess\""), std::string::npos) << line;
        EXPECT_EQ(line.find("MODE"), std::string::npos) << "no mode, so no world access: " << line;
        if (line.find("idProduct}==\"2a17\"") != std::string::npos)
            matched |= 1;
        if (line.find("idProduct}==\"2a2c\"") != std::string::npos)
            matched |= 2;
    }
    EXPECT_EQ(matched, 3) << "both product ids need a rule";
}

}  // namespace
}  // namespace karvo

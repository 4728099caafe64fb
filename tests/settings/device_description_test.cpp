// Reading the model's names, button count and key map, and refusing values that would reach
// past the program's tables.
#include "settings/device_description.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

using karvo::testing::TempDir;

DeviceDescription readFrom(const TempDir& dir, std::string_view text, RecordingNotifier& n) {
    return DeviceDescription::read(dir.write("config.ini", text), n);
}

TEST(DeviceDescription, ReadsNamesCountAndBothDirectionsOfTheKeyMap) {
    TempDir dir;
    RecordingNotifier n;
    const auto d = readFrom(dir,
                            "[PRODUCTNAME]\r\nPRODUCTNAME_CN=Maus CN\r\nPRODUCTNAME_EN=Mouse EN\r\n"
                            "DevString=Karvo HID\r\n[KEYNUM]\r\nKeyNum=2\r\n"
                            "[KEYMAP]\r\nK1_MAP=4\r\nK2_MAP=0\r\nK3_MAP=9\r\n"
                            "[KEY_UIFC]\r\nK1_INIT_VAL=1\r\nK2_INIT_VAL=5\r\n",
                            n);
    EXPECT_EQ(d.productName(0), "Maus CN");
    EXPECT_EQ(d.productName(1), "Mouse EN");
    EXPECT_EQ(d.productName(26), "Mouse EN");
    EXPECT_EQ(d.devString, "Karvo HID");
    EXPECT_EQ(d.keyNum, 2);
    EXPECT_EQ(d.keyMap.keyOfSlot(0), 4);
    EXPECT_EQ(d.keyMap.keyOfSlot(1), 0);
    EXPECT_EQ(d.keyMap.keyOfSlot(2), std::nullopt) << "K3_MAP lies beyond KeyNum";
    EXPECT_EQ(d.keyMap.slotOfKey(4), 0);
    EXPECT_EQ(d.keyMap.slotOfKey(0), 1);
    EXPECT_EQ(d.keyMap.slotOfKey(9), std::nullopt);
    EXPECT_EQ(d.initialValue[1], 5);
    EXPECT_TRUE(n.notices.empty());
}

TEST(DeviceDescription, WithoutAButtonCountNothingIsMapped) {
    TempDir dir;
    RecordingNotifier n;
    for (const char* keyNum : {"", "KeyNum=0\r\n", "KeyNum=-3\r\n"}) {
        const auto d =
            readFrom(dir, std::string("[KEYNUM]\r\n") + keyNum + "[KEYMAP]\r\nK1_MAP=1\r\n", n);
        EXPECT_EQ(d.keyNum, 0) << keyNum;
        for (int k = 0; k < kDeviceKeyNumbers; ++k)
            EXPECT_EQ(d.keyMap.slotOfKey(k), std::nullopt);
    }
}

TEST(DeviceDescription, ClampsTheButtonCountAndLeavesForeignKeyNumbersUnmapped) {
    TempDir dir;
    RecordingNotifier n;
    std::string text = "[KEYNUM]\r\nKeyNum=40\r\n[KEYMAP]\r\nK2_MAP=16\r\nK3_MAP=257\r\n";
    for (int i = 1; i <= 13; ++i) {
        text += "K" + std::to_string(i) + "_MAP=" + std::to_string(i) + "\r\n";
    }
    const auto d = readFrom(dir, text, n);
    EXPECT_EQ(d.keyNum, kButtonSlots);
    EXPECT_EQ(d.keyMap.keyOfSlot(0), 1);
    EXPECT_EQ(d.keyMap.keyOfSlot(1), std::nullopt) << "16 is no key number the mouse can send";
    EXPECT_EQ(d.keyMap.keyOfSlot(2), 1) << "the file's number is cut to a byte first";
    EXPECT_EQ(d.keyMap.slotOfKey(1), 2) << "the later button wins the key number";
    EXPECT_EQ(d.keyMap.keyOfSlot(11), 12);
    EXPECT_EQ(d.keyMap.slotOfKey(13), std::nullopt) << "button 13 does not exist";
    ASSERT_EQ(n.notices.size(), 2u);
    EXPECT_NE(n.notices[0].text.find("KeyNum = 40"), std::string::npos);
    EXPECT_NE(n.notices[1].text.find("K2_MAP = 16"), std::string::npos);
}

TEST(DeviceDescription, CutsNamesToTheirBuffers) {
    TempDir dir;
    RecordingNotifier n;
    const std::string longName(80, 'N');
    const auto d = readFrom(dir, "[PRODUCTNAME]\r\nPRODUCTNAME_EN=" + longName + "\r\n", n);
    EXPECT_EQ(d.productNameEn, std::string(49, 'N'));
    EXPECT_TRUE(d.isProductName(std::string(49, 'N')));
    EXPECT_FALSE(d.isProductName(longName));
}

}  // namespace
}  // namespace karvo

namespace karvo {
namespace {

TEST(DeviceDescription, TheDpiTableTakesTheFilesStepsAndKeepsTheDefaultForTheRest) {
    testing::TempDir dir;
    RecordingNotifier n;
    const auto d = DeviceDescription::read(
        dir.write("config.ini", "[DPI_TABLE]\r\nSTEP0=100\r\nSTEP5=x\r\nSTEP16=26000\r\n"), n);
    EXPECT_EQ(d.dpiOf(0), 100);
    EXPECT_EQ(d.dpiOf(5), DeviceDescription::kDefaultDpiTable[5]) << "unreadable: the default";
    EXPECT_EQ(d.dpiOf(16), 26000);
    EXPECT_EQ(d.dpiOf(99), 26000);
    EXPECT_EQ(d.dpiOf(-1), 100);
}

}  // namespace
}  // namespace karvo

// The device memory image without a device: the order of the writes, the settings blocks byte
// for byte, DPI and lighting encodings, colour pairs, the key descriptor of each function kind,
// macro slots (shared, separate, overflowing) and the state kept for the next download.
#include "device/device_memory_image.h"

#include <gtest/gtest.h>

#include <vector>

#include "macro/macro_encoder.h"
#include "tests/device/download_config.h"

namespace karvo::device {
namespace {

using karvo::testing::DownloadConfig;
using karvo::testing::pressMacro;
using Bytes = std::vector<std::uint8_t>;

Bytes at(const DeviceMemoryImage& image, std::size_t address, std::size_t n) {
    const auto b = image.bytes().subspan(address, n);
    return Bytes(b.begin(), b.end());
}

std::vector<std::uint16_t> addresses(const DeviceMemoryImage& image) {
    std::vector<std::uint16_t> out;
    for (const BlockWrite& w : image.writes())
        out.push_back(w.address);
    return out;
}

// Descriptor of (profile, device key).
Bytes descriptor(const DeviceMemoryImage& image, int profile, int key) {
    return at(
        image,
        160 + 140 * static_cast<std::size_t>(profile) + 10 * static_cast<std::size_t>(key - 1), 10);
}

TEST(ImageWrites, ComeInTheMouseOrderWithOnlyHeaderByteOneForTheMainProduct) {
    DownloadConfig config;
    const auto image = config.image();
    std::vector<std::uint16_t> expected = {1,  8,  16, 24, 32, 40,  48, 56,
                                           64, 72, 80, 88, 96, 104, 152};
    for (std::uint16_t a = 160; a <= 712; a += 8)
        expected.push_back(a);
    expected.push_back(110);
    expected.push_back(112);
    EXPECT_EQ(addresses(image), expected);
    EXPECT_EQ(image.writes()[0].length, 1);
    EXPECT_EQ(image.writes()[85].length, 2);  // the macro area end
    EXPECT_FALSE(image.stopped());
    EXPECT_TRUE(image.notices().empty());
}

// A first profile without any primary click (an emptied configuration) would give a mouse
// nobody can click with: its first button, when it has no function, is written as one.
TEST(ImageWithNoFunctions, KeepsAPrimaryClickOnTheFirstProfile) {
    DownloadConfig config;
    config.button(0, 0).function = 0;
    auto image = config.image();
    EXPECT_TRUE(image.assignments().primaryClickRestored());
    EXPECT_EQ(image.bytes()[8], 33);
    EXPECT_EQ(image.assignments().slot(0, 0).function, 1);
    EXPECT_EQ(config.settings.profiles[0].buttons[0].function, 0) << "the model is not changed";

    config.button(0, 5).function = 1;  // a primary click elsewhere is enough
    image = config.image();
    EXPECT_FALSE(image.assignments().primaryClickRestored());
    EXPECT_EQ(image.bytes()[8], 32);
}

TEST(ImageWrites, WriteTheWholeHeaderForTheOtherProduct) {
    DownloadConfig config;
    config.settings.currentProfile = 2;
    DeviceMemoryImage::Inputs otherProduct;
    otherProduct.variantFlag = 0;
    const auto image = config.image(otherProduct);
    ASSERT_EQ(image.writes()[0].address, 0);
    EXPECT_EQ(at(image, 0, 8), (Bytes{0x5A, 0x43, 0xA5, 0x17, 0x2A, 0x3D, 0x5E, 0x10}));
    const auto main = config.image();
    EXPECT_EQ(main.bytes()[1], 0x43);
    EXPECT_EQ(main.bytes()[0], 0) << "byte 0 is never written";
}

TEST(ImageWithNoFunctions, HoldsReactionBitsDescriptorsOfZeroAndAnEmptyMacroArea) {
    DownloadConfig config;  // only the primary click of profile 0's first button
    config.button(1, 0).ledReactType = 1;
    const auto image = config.image();
    EXPECT_FALSE(image.assignments().primaryClickRestored());
    EXPECT_EQ(at(image, 8, 8), (Bytes{33, 32, 32, 32, 32, 32, 32, 32}));
    EXPECT_EQ(image.bytes()[16], 32);
    EXPECT_EQ(at(image, 59, 3), Bytes(3, 32));
    EXPECT_EQ(at(image, 64, 8), (Bytes{0, 0, 0, 0x5F, 96, 32, 32, 32}));
    EXPECT_EQ(at(image, 88, 8), (Bytes{32, 32, 32, 32, 0, 0, 0, 0}));
    EXPECT_EQ(at(image, 104, 8), (Bytes{32, 32, 32, 32, 0, 0, 0x00, 0x04}));  // end 1024
    EXPECT_EQ(at(image, 160, 560), Bytes(560, 0));
    // Trailer 1032, 1040, 1048; mode light 0, profile 0.
    EXPECT_EQ(at(image, 112, 8), (Bytes{0x08, 0x04, 0x10, 0x04, 0x18, 0x04, 0x40, 0x71}));
    EXPECT_TRUE(image.descriptors().slots().empty());
}

TEST(ImageDpi, LooksUpEachStepInTheTableThatSkipsEleven) {
    struct Case {
        std::uint8_t step;
        std::uint8_t value;
    };
    for (const Case c : {Case{0, 1}, Case{9, 10}, Case{10, 12}, Case{15, 17}, Case{16, 18},
                         Case{22, 24}, Case{23, 24}, Case{255, 24}}) {
        EXPECT_EQ(DeviceMemoryImage::dpiValue(c.step), c.value) << int(c.step);
    }
}

TEST(ImageDpi, SplitsValuesIntoHighBitsAndPackedNibbles) {
    DownloadConfig config;
    const std::uint8_t steps[] = {15, 10, 0, 22, 3, 16};  // values 17, 12, 1, 24, 4, 18
    for (std::size_t k = 0; k < 6; ++k)
        config.settings.shared.dpi[k].step = steps[k];
    const auto image = config.image();
    EXPECT_EQ(at(image, 19, 5), (Bytes{0b101001, 8, 0x1C, 0x18, 0x42}));
}

TEST(ImageState, EncodesLevelsFireTimeEffectAndColourCycle) {
    DownloadConfig config;
    SharedSettings& s = config.settings.shared;
    s.dpiLevel = 3;
    s.dpi[0].enabled = s.dpi[2].enabled = s.dpi[5].enabled = true;
    s.fireTime = 50;
    s.ledType = 5;
    s.ledCycleTime = 3;
    s.colourCycleMask = 0x45;
    const auto image = config.image();
    EXPECT_EQ(at(image, 24, 8), (Bytes{0x1B, 0x25, 6, 0, 0x80 + 0x50 + 3, 0x80 + 0x45, 7, 0}));
    EXPECT_EQ(at(image, 50, 6), (Bytes{0xFF, 0x3F, 0, 0, 0, 0}));
}

TEST(ImageState, TakesTheEffectFromTheLightingType) {
    struct Case {
        const char* what;
        std::uint8_t ledType;
        std::uint8_t previousEffect;
        std::uint8_t byte28;
        std::uint8_t byte51;
        std::uint8_t keptEffect;
    };
    const Case cases[] = {
        {"type 0", 0, 5, 0x82, 0x3F, 0},
        {"type 9 puts bit 3 at 51", 9, 0, 0x80 + 0x10 + 2, 0xBF, 9},
        {"type 12: effect 1 with the flag", 12, 0, 0x80 + 0x10 + 0x08 + 2, 0x3F, 1},
        {"type 13: the previous effect at speed 7", 13, 10, 0x80 + 0x20 + 7, 0xBF, 10},
        {"type 13 the first time", 13, 0, 0x87, 0x3F, 0},
    };
    for (const Case& c : cases) {
        DownloadConfig config;
        config.settings.shared.ledType = c.ledType;
        config.settings.shared.ledCycleTime = 2;
        DeviceMemoryImage::Inputs inputs;
        inputs.previous.effectCode = c.previousEffect;
        const auto image = config.image(inputs);
        EXPECT_EQ(image.bytes()[28], c.byte28) << c.what;
        EXPECT_EQ(image.bytes()[51], c.byte51) << c.what;
        EXPECT_EQ(image.stateAfter(image.writes().size()).effectCode, c.keptEffect) << c.what;
    }
}

TEST(ImageState, TakesANegativeFireTimeAsZero) {
    DownloadConfig config;
    config.settings.shared.fireTime = -80;
    EXPECT_EQ(at(config.image(), 26, 2), (Bytes{0, 0}));
    config.settings.shared.fireTime = 8 * 300;
    EXPECT_EQ(at(config.image(), 26, 2), (Bytes{0x2C, 0x01}));
}

TEST(ImageColours, PairUserColourAboveDpiColourPerLevelAndComponent) {
    DownloadConfig config;
    SharedSettings& s = config.settings.shared;
    s.userColour[0] = {1, 2, 3};
    s.dpi[0].colour = {4, 5, 6};
    s.userColour[5] = {0, 0, 15};
    s.dpi[5].colour = {9, 0, 0};
    s.userColour[6] = {10, 11, 12};
    s.ledBrightness = 5;
    s.ledSymmetry = 1;
    s.ledDirection = 2;
    DeviceMemoryImage::Inputs inputs;
    inputs.lightLevel = 9;
    const auto image = config.image(inputs);
    EXPECT_EQ(at(image, 32, 3), (Bytes{0x14, 0x25, 0x36}));
    EXPECT_EQ(at(image, 47, 3), (Bytes{0x09, 0x00, 0xF0}));
    EXPECT_EQ(at(image, 56, 3), (Bytes{0, 0, 0x40 + 0x20 + 9}));
    EXPECT_EQ(at(image, 62, 2), (Bytes{0xAB, 0x5C}));
}

TEST(ImageColours, PacksMacroColoursOfKeysTwoToTwelve) {
    DownloadConfig config;
    for (int s = 0; s < kButtonSlots; ++s)
        config.settings.macroColour[static_cast<std::size_t>(s)] = s % 7;
    // Slot s is key s + 1: key k has colour (k - 1) % 7.
    const auto image = config.image();
    EXPECT_EQ(at(image, 152, 8),
              (Bytes{1 + 8 * 2, 3 + 8 * 4, 5 + 8 * 6, 0 + 8 * 1, 2 + 8 * 3, 4, 0, 0}));
}

TEST(ImageTrailer, CarriesModeLightAndTheCurrentProfile) {
    DownloadConfig config;
    config.settings.shared.modeLight = 1;
    config.settings.currentProfile = 3;
    EXPECT_EQ(config.image().bytes()[118], 0x80 + 0x40 + 3);
}

TEST(ImageDescriptors, DescribeAGroupMacroWithItsModeStepsAndExtraBytes) {
    DownloadConfig config;
    MacroRecord m = pressMacro(3, 300, 1 | 8);  // once, repeat while held
    m.extraA = 1;
    m.extraB = 25;
    config.sources.groups = {{pressMacro(1)}, {m}};
    config.button(0, 1).function = 512;  // group 1, macro 0
    const auto image = config.image();
    // 3 steps + 3 * (300 / 127); keyboard position (512 - 70) & FF = 186: none.
    const std::uint8_t noKey = KeyDescriptorTable::keyboardKey(1000, config.keys, 1);
    EXPECT_EQ(descriptor(image, 0, 2),
              (Bytes{0, 9, noKey, 0, 0, 0x00, 0x80 + 0x04, 0x40, 0x80 + 25, 0}));
    EXPECT_EQ(image.assignments().key(0, 2).deviceFunction, 13);
}

TEST(ImageDescriptors, CountAnEmptyMacroAsThreeStepsAndSplitLongCounts) {
    struct Case {
        const char* what;
        MacroRecord macro;
        std::uint8_t byte1, byte6, byte7;
    };
    MacroRecord manyLong = pressMacro(200, 254, 2);  // 200 + 200 * 2 = 600
    MacroRecord bit2 = pressMacro(1, 0, 4);
    MacroRecord bit2Held = pressMacro(1, 0, 4 | 2);
    const Case cases[] = {
        {"empty", MacroRecord{}, 3, 0x04, 0},
        {"hold with 600 steps", manyLong, 0x80 | 88, 0x04, 4},
        {"mode bit 2 alone", bit2, 1, 0x44, 0},
        {"mode bit 2 under hold", bit2Held, 0x81, 0x04, 0},
    };
    for (const Case& c : cases) {
        DownloadConfig config;
        config.sources.groups = {{c.macro}};
        config.button(0, 0).function = 256;
        const auto table = KeyDescriptorTable::build(
            KeyAssignments::build(config.settings, config.description, config.sources), config.keys,
            1);
        const auto d = table.bytes().subspan(0, 10);
        EXPECT_EQ(d[1], c.byte1) << c.what;
        EXPECT_EQ(d[6], c.byte6) << c.what;
        EXPECT_EQ(d[7], c.byte7) << c.what;
    }
}

TEST(ImageDescriptors, CountEachWholeHundredTwentySevenMillisecondsOfADelayAsAStep) {
    struct Case {
        std::int32_t function;
        MacroRecord macro;
        unsigned count;
    };
    const Case cases[] = {
        {256, pressMacro(200, 10000), 200 + 200 * 78},  // delays capped at 10000
        {256, pressMacro(2, 60000), 2 + 2 * 78},
        {256, pressMacro(1, 127), 1},
        {50, pressMacro(1, 254), 1 + 2},  // one filler in the image, two here
        {33, pressMacro(4, 10000), 4},    // a key combination's count as stored
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyDescriptorTable::stepCount(c.function, c.macro), c.count) << c.function;
}

TEST(ImageDescriptors, GiveKeyCombinationsNoExtraByteWhateverCameBefore) {
    DownloadConfig config;
    MacroRecord preset = pressMacro(2, 50);
    preset.extraA = 1;
    preset.extraB = 30;
    config.sources.presets = {preset};
    config.button(0, 0).function = 50;
    config.button(0, 1).function = kFunctionCombination;
    config.settings.macroCopies[0][1] = pressMacro(2, 4, 2);
    const auto image = config.image();
    EXPECT_EQ(descriptor(image, 0, 1)[8], 0x80 + 30);
    const Bytes combination = descriptor(image, 0, 2);
    EXPECT_EQ(combination[8], 0);
    EXPECT_EQ(combination[1], 0x80 + 2) << "held, the copy's own step count";
    EXPECT_EQ(combination[3], 0xB7) << "function 33 has a consumer usage";
}

TEST(ImageDescriptors, GiveConsumerKeysTheirUsageAndTheNextFreeAddress) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(3)}};
    config.button(0, 0).function = 256;  // slot at 1024, 8 bytes: 2 + 6 -> 8
    config.button(0, 1).function = 23;   // next free: 1032
    config.button(0, 2).function = 32;
    config.button(1, 0).function = 23;  // shares with the first 23
    const auto image = config.image();
    const std::uint8_t noKey = KeyDescriptorTable::keyboardKey(23, config.keys, 1);
    EXPECT_EQ(descriptor(image, 0, 2), (Bytes{0, 0, noKey, 0x23, 0x02, 0x08, 0x04, 0, 0, 0}));
    EXPECT_EQ(descriptor(image, 0, 3), (Bytes{0, 0, noKey, 0x92, 0x01, 0x08, 0x04, 0, 0, 0}));
    EXPECT_EQ(descriptor(image, 1, 1), descriptor(image, 0, 2));
    EXPECT_EQ(image.descriptors().macroAreaEnd(), 1032);
}

TEST(ImageDescriptors, NameKeyboardPositionsThroughTheLanguagesKeyTable) {
    DownloadConfig config;
    struct Case {
        std::int32_t function;
        std::uint8_t usage;
    };
    // English: Esc, F1, A, Space, Down; positions 79 and up name virtual key 255.
    for (const Case c :
         {Case{70, 0x29}, Case{71, 0x3A}, Case{114, 0x04}, Case{141, 0x2C}, Case{148, 0x51}}) {
        EXPECT_EQ(KeyDescriptorTable::keyboardKey(c.function, config.keys, 1), c.usage)
            << c.function;
    }
    EXPECT_EQ(KeyDescriptorTable::keyboardKey(149, config.keys, 1),
              KeyDescriptorTable::keyboardKey(69, config.keys, 1));
    // Position 30 is Q: French keyboards have it where English ones have A.
    EXPECT_EQ(KeyDescriptorTable::keyboardKey(100, config.keys, 1), 0x14);
    EXPECT_EQ(KeyDescriptorTable::keyboardKey(100, config.keys, 2), 0x04);
    EXPECT_NE(KeyDescriptorTable::keyboardKey(100, config.keys, 2),
              KeyDescriptorTable::keyboardKey(100, config.keys, 1));
}

TEST(ImageSlots, ShareOneSlotForTheSameMacroOnTwoKeys) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(10)}, {pressMacro(5)}};
    config.button(0, 1).function = 512;
    config.button(3, 4).function = 512;
    config.button(2, 0).function = 256;
    const auto image = config.image();
    const auto slots = image.descriptors().slots();
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_FALSE(slots[0].shared);
    EXPECT_EQ(slots[1].base, slots[0].budget + 1024u);
    EXPECT_TRUE(slots[2].shared);
    EXPECT_EQ(slots[2].base, 1024);
    EXPECT_EQ(at(image, 160 + 10 + 5, 2), at(image, 160 + 420 + 40 + 5, 2));
    EXPECT_EQ(image.descriptors().macroAreaEnd(), 1024 + 16 + 24);
    EXPECT_EQ(addresses(image).size(), 87u + 2 + 3);
}

TEST(ImageSlots, GiveEachKeyCombinationItsOwnSlotEvenWithEqualTexts) {
    DownloadConfig config;
    for (const int slot : {0, 7}) {
        config.button(0, slot).function = kFunctionCombination;
        config.button(0, slot).combination = "A&split&65";
        config.settings.macroCopies[0][static_cast<std::size_t>(slot)] = pressMacro(1, 4, 2);
    }
    const auto image = config.image();
    const auto slots = image.descriptors().slots();
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_FALSE(slots[1].shared);
    EXPECT_EQ(slots[1].base, 1032);
}

TEST(ImageSlots, HoldEachMacroImageInEightByteBlocks) {
    DownloadConfig config;
    MacroRecord m = pressMacro(7, 5);  // 2 + 14 = 16 bytes
    config.sources.groups = {{m}};
    config.button(1, 2).function = 256;
    const auto image = config.image();
    ASSERT_EQ(image.writes().size(), 89u);
    EXPECT_EQ(image.writes()[87].address, 1024);
    EXPECT_EQ(image.writes()[88].address, 1032);
    const auto encoded = MacroEncoder::encode(m, 1024, 16).image;
    EXPECT_EQ(at(image, 1024, 18), encoded);
    EXPECT_EQ(at(image, 1024, 4), (Bytes{1, 0, 0x85, 0x04}));
}

TEST(ImageSlots, StopAfterTheColourBlockWhenMacrosDoNotFit) {
    DownloadConfig config;
    // 275 steps of 1 s: 2 + 2 * (275 + 275 * 7) = 4402 bytes each, more than the area holds.
    config.sources.groups = {{pressMacro(50, 10), pressMacro(275, 1000)}};
    config.button(0, 0).function = 256;
    config.button(0, 1).function = 257;
    const auto image = config.image();
    EXPECT_TRUE(image.stopped());
    EXPECT_EQ(image.writes().size(), 15u);
    EXPECT_EQ(image.writes().back().address, 152);
    ASSERT_EQ(image.notices().size(), 1u);
    EXPECT_EQ(image.notices()[0], (PlannedNotice{15, DeviceMemoryImage::kTipMacrosDoNotFit}));
    EXPECT_EQ(image.stateAfter(15).macroAreaEnd, 0) << "the end was never written";
}

TEST(ImageSlots, FillTheAreaUpToItsLastAddress) {
    // One macro of exactly 3872 - 1024 = 2848 bytes fits; 8 more do not.
    for (const int extraSteps : {0, 4}) {
        DownloadConfig config;
        // Waits of 10 s take 79 entries each: 2 + 18 * 79 * 2 = 2846, rounded up to 2848.
        MacroRecord m;
        m.stepCount = 18;
        for (std::size_t i = 0; i < m.stepCount; ++i)
            m.steps[i] = {stepkind::kWait, macrokey::kNone, 0, 0, 10000};
        for (int i = 0; i < extraSteps; ++i)
            m.steps[m.stepCount++] = {stepkind::kWait, macrokey::kNone, 0, 0, 1};
        config.sources.groups = {{m}};
        config.button(3, 11).function = 256;
        const auto image = config.image();
        EXPECT_EQ(image.stopped(), extraSteps != 0) << extraSteps;
        if (!image.stopped()) {
            EXPECT_EQ(image.descriptors().macroAreaEnd(), 3872);
            EXPECT_EQ(image.writes().back().address, 3864);
        }
    }
}

TEST(ImageSlots, StretchShortHeldPresetsAndSizeTheirSlotsForIt) {
    DownloadConfig config;
    MacroRecord preset;
    preset.setPlaybackMode(PlaybackMode::Mode2);
    preset.steps[0] = {stepkind::kPress, macrokey::kMouseLeft, 0, 0, 4};
    preset.steps[1] = {stepkind::kRelease, macrokey::kMouseLeft, 0, 0, 4};
    preset.stepCount = 2;  // 1 + 8 = 9: four runs
    config.sources.presets = {preset};
    config.button(0, 0).function = 50;
    const auto image = config.image();
    EXPECT_EQ(image.descriptors().slots()[0].budget, 24u);  // 2 + 16 -> 24
    EXPECT_EQ(descriptor(image, 0, 1)[1], 0x80 + 8);
    EXPECT_EQ(at(image, 1024 + 2 + 14, 2), (Bytes{0x04, 0xF1}));
}

TEST(ImageSlots, ShowTheLightingNoticeBeforeTheMacrosBlocks) {
    DownloadConfig config;
    MacroRecord m = pressMacro(1);
    m.steps[m.stepCount++] = {stepkind::kLightingFirst, macrokey::kLighting, 0, 0, 1};
    config.sources.groups = {{m}};
    config.button(0, 0).function = 256;
    const auto image = config.image();
    EXPECT_FALSE(image.stopped());
    ASSERT_EQ(image.notices().size(), 1u);
    EXPECT_EQ(image.notices()[0], (PlannedNotice{87, MacroEncoder::kTipBadLighting}));
}

TEST(ImageHostKeys, ListHostNotifiedAndMacroKeysOfTheCurrentProfileWhenTheHostPlays) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(1)}};
    config.settings.currentProfile = 1;
    config.button(1, 0).function = 18;
    config.button(1, 3).function = 41;
    config.button(1, 5).function = 256;
    config.button(1, 6).function = 40;
    config.button(1, 7).function = 300;  // missing: becomes 0
    config.button(0, 8).function = 18;   // another profile
    config.settings.shared.softHardMac = 0;
    EXPECT_TRUE(config.image().hostKeys().empty());
    config.settings.shared.softHardMac = 1;
    const auto image = config.image();
    const auto keys = image.hostKeys();
    EXPECT_EQ(Bytes(keys.begin(), keys.end()), (Bytes{1, 4, 6}));
}

TEST(ImageState, KeepsTheMacroEndOnlyOnceItWasWritten) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(7)}};
    config.button(0, 0).function = 256;
    DeviceMemoryImage::Inputs inputs;
    inputs.previous = {2000, 3};
    const auto image = config.image(inputs);
    EXPECT_EQ(at(image, 110, 2), (Bytes{0x10, 0x04}));  // this download's end, 1040
    EXPECT_EQ(image.writes()[13].address, 104);
    EXPECT_EQ(image.writes()[13].data[6] + 256 * image.writes()[13].data[7], 2000);
    EXPECT_EQ(image.writes()[85].address, 110);
    EXPECT_EQ(image.stateAfter(85).macroAreaEnd, 2000);
    EXPECT_EQ(image.stateAfter(86).macroAreaEnd, 1040);
    EXPECT_EQ(image.stateAfter(3).effectCode, 3);
    EXPECT_EQ(image.stateAfter(4).effectCode, 0);
}

}  // namespace
}  // namespace karvo::device

// Macro steps as text: every kind of step prints as a word that parses back to the same step,
// every shipped macro survives the trip byte for byte, and typed text meets the macro page's
// limits and warnings.
#include "macro/macro_text.h"

#include <gtest/gtest.h>

#include "macro/gun_presets.h"
#include "macro/macro_file.h"
#include "macro/macro_group.h"
#include "services/program_paths.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

MacroRecord roundTrip(const MacroRecord& r, RecordingNotifier& notes) {
    const auto parsed = macrotext::parse(macrotext::print(r), r, notes);
    EXPECT_TRUE(parsed.ok) << parsed.error << "\n" << macrotext::print(r);
    return parsed.record;
}

void expectIdentity(const MacroRecord& r) {
    SCOPED_TRACE(macrotext::print(r));
    RecordingNotifier notes;
    const MacroRecord back = roundTrip(r, notes);
    EXPECT_TRUE(notes.notices.empty());
    EXPECT_EQ(back, r);
    EXPECT_EQ(macrotext::print(back), macrotext::print(r));
}

// Builds a record step by step, each step counted against its kind.
struct Builder {
    MacroRecord r;
    Builder& step(std::uint8_t kind, std::uint8_t key, std::uint16_t p0 = 0, std::uint16_t p1 = 0,
                  std::uint16_t delay = 0) {
        EXPECT_TRUE(r.appendStep({kind, key, p0, p1, delay}));
        return *this;
    }
};

TEST(MacroText, TheExampleLineReadsAsPressesReleasesAndDelays) {
    RecordingNotifier notes;
    const auto parsed = macrotext::parse("+ctrl 20ms +c 30ms -c 20ms -ctrl", MacroRecord{}, notes);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const MacroRecord& r = parsed.record;
    ASSERT_EQ(r.stepCount, 4);
    EXPECT_EQ(r.steps[0], (MacroAction{stepkind::kPress, 224, 0, 0, 20}));
    EXPECT_EQ(r.steps[1], (MacroAction{stepkind::kPress, 6, 0, 0, 30}));
    EXPECT_EQ(r.steps[2], (MacroAction{stepkind::kRelease, 6, 0, 0, 20}));
    EXPECT_EQ(r.steps[3], (MacroAction{stepkind::kRelease, 224, 0, 0, 0}));
    EXPECT_EQ(macrotext::print(r), "+ctrl 20ms +c 30ms -c 20ms -ctrl");
    // Upper case and extra blanks are read too; the printed form is the canonical one.
    const auto loose =
        macrotext::parse("  +CTRL\t20ms  +C 30ms -c 20ms -Ctrl ", MacroRecord{}, notes);
    ASSERT_TRUE(loose.ok) << loose.error;
    EXPECT_EQ(loose.record, r);
}

TEST(MacroText, EveryStepKindPrintsAndParsesBackToTheSameBytes) {
    Builder b;
    for (const auto& key : macrotext::namedKeys()) {
        b.step(stepkind::kPress, key.code, 0, 0, key.code);
        b.step(stepkind::kRelease, key.code);
    }
    b.step(stepkind::kPress, 200, 0, 0, 5);  // a code without a position name: key-200
    b.step(stepkind::kRelease, macrokey::kMouse240);
    b.step(stepkind::kWait, macrokey::kNone, 0, 0, 10000);
    for (std::uint8_t kind = stepkind::kMoveLeftUp; kind <= stepkind::kMoveRightDown; ++kind) {
        b.step(kind, macrokey::kMove, 0, 0, 1);
        b.step(kind, macrokey::kMove, 100, 7);
    }
    ASSERT_TRUE(b.r.stepCount < 270);
    expectIdentity(b.r);

    Builder dpi;
    dpi.step(stepkind::kSetSensitivity, macrokey::kSensitivity, 1, 0, 3);  // dpi:200
    dpi.step(stepkind::kSetSensitivity, macrokey::kSensitivity, 8);        // 1600, not level 7
    dpi.step(stepkind::kSetSensitivity, macrokey::kSensitivity, 0);        // reads as 800
    dpi.step(stepkind::kRestoreSensitivity, macrokey::kSensitivity, 4);    // dpi:reset
    dpi.step(stepkind::kRestoreSensitivity, macrokey::kSensitivity, 9);    // a reset holding 9
    // Lighting steps of all three variants, a record with every field set, and steps whose
    // record slots are not in order.
    dpi.step(stepkind::kLightingFirst, macrokey::kLighting, 1, 0, 100);
    dpi.step(stepkind::kLightingFirst + 1, macrokey::kLighting, 0);
    dpi.step(stepkind::kLightingLast, macrokey::kLighting, 2);
    dpi.r.lighting[0] = LedEffectRecord::forNewStep();
    for (std::size_t i = 0; i < LedEffectRecord::kSize; ++i)
        dpi.r.lighting[1].bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    dpi.r.lighting[2].bytes[5] = 3;
    // Steps no word describes: a press with parameters, reserved keys, an unknown kind.
    dpi.step(stepkind::kPress, 4, 1, 2);
    dpi.step(7, macrokey::kReserved247, 1, 0);
    dpi.step(stepkind::kWait, macrokey::kReserved250, 387, 0, 65535);
    dpi.step(20, 251, 0, 0);
    dpi.step(stepkind::kLightingFirst, macrokey::kLighting, 4, 1);
    expectIdentity(dpi.r);
    EXPECT_NE(macrotext::print(dpi.r).find("dpi:200 3ms dpi:level-8 dpi:level-0 dpi:reset"),
              std::string::npos)
        << macrotext::print(dpi.r);
    EXPECT_NE(macrotext::print(dpi.r).find(" light2:n=1,e=0,c=0,t=10,slot=0 light3:"),
              std::string::npos);

    MacroRecord empty;
    EXPECT_EQ(macrotext::print(empty), "");
    expectIdentity(empty);
}

TEST(MacroText, NameModeRepeatAndExtrasComeFromTheRecordTheTextIsReadInto) {
    MacroRecord base;
    base.setName("Fire");
    base.setPlaybackMode(PlaybackMode::Mode2);
    base.extraA = 1;
    base.extraB = 12;
    base.steps[0] = {stepkind::kPress, 9, 0, 0, 5};
    base.stepCount = 1;
    base.moveCount = 3;  // a stale counter is not carried over
    RecordingNotifier notes;
    const auto parsed = macrotext::parse("move:+3,-4", base, notes);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.record.nameUtf8(), "Fire");
    EXPECT_EQ(parsed.record.playbackMode(), PlaybackMode::Mode2);
    EXPECT_EQ(parsed.record.extraB, 12);
    EXPECT_EQ(parsed.record.stepCount, 1);
    EXPECT_EQ(parsed.record.moveCount, 1);
    EXPECT_EQ(parsed.record.steps[0],
              (MacroAction{stepkind::kMoveRightUp, macrokey::kMove, 3, 4, 0}));
}

TEST(MacroText, TypedValuesMeetTheMacroPagesLimitsAndWarnings) {
    RecordingNotifier notes;
    auto r = macrotext::parse("+a 20000ms move:-150,+20 -a", MacroRecord{}, notes);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.record.steps[0].delay, 10000);
    // The same values are kept where the macro the text replaces already holds them.
    const auto kept = macrotext::parse("+a 20000ms move:-150,+20 -a", MacroRecord{}, notes);
    const MacroRecord recorded = [&] {
        MacroRecord m = kept.record;
        m.steps[0].delay = 20000;
        m.steps[1].p0 = 150;
        return m;
    }();
    notes.notices.clear();
    const auto again = macrotext::parse("+a 20000ms move:-150,+20 -a", recorded, notes);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.record, recorded);
    EXPECT_TRUE(notes.notices.empty());
    notes.notices.clear();
    EXPECT_EQ(r.record.steps[1].p0, 100);
    EXPECT_EQ(r.record.steps[1].p1, 20);
    r = macrotext::parse("+a 20000ms move:-150,+20 -a", MacroRecord{}, notes);
    EXPECT_EQ(notes.notices, (std::vector<RecordingNotifier::Notice>{
                                 {macrotext::kTipLimit, ""}, {macrotext::kTipFailed, " [X]"}}));

    const auto repeat = [](std::string_view word, int n) {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += std::string(word) + " ";
        return text;
    };
    struct Refused {
        std::string text;
        std::string error;
    };
    const Refused cases[] = {
        {repeat("wait", 276), "word 276 'wait': a macro holds at most 275 steps"},
        {repeat("move:1,1", 51), "word 51 'move:1,1': a macro holds at most 50 steps of this kind"},
        {repeat("dpi:reset", 6), "word 6 'dpi:reset': a macro holds at most 5 steps of this kind"},
        {repeat("light:n=1", 6), "word 6 'light:n=1': a macro holds at most 5 lighting steps"},
        {"+nokey", "word 1 '+nokey': unknown key 'nokey'"},
        {"20ms +a", "word 1 '20ms': a delay follows a step ('wait 20ms' pauses first)"},
        {"+a 20ms 30ms", "word 3 '30ms': a step has one delay"},
        {"+a 2x0ms", "word 2 '2x0ms': expected a delay such as 20ms"},
        {"dpi:900", "word 1 'dpi:900': a macro's DPI is one of"},
        {"move:1", "word 1 'move:1': expected move:X,Y"},
        {"light:q=1", "word 1 'light:q=1': bad lighting field 'q=1'"},
        {"step:1,2,3", "word 1 'step:1,2,3': expected step:KIND,KEY,P0,P1"},
        {"+key-0", "word 1 '+key-0': key code 0 is no key"},
        {"hello", "word 1 'hello': not a step"},
    };
    for (const Refused& c : cases) {
        const auto result = macrotext::parse(c.text, MacroRecord{}, notes);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.error.substr(0, c.error.size()), c.error);
    }
}

TEST(MacroText, EveryKeyCodeHasANameThatLeadsBackToIt) {
    for (int code = 0; code < 256; ++code) {
        const auto byte = static_cast<std::uint8_t>(code);
        EXPECT_EQ(macrotext::keyCode(macrotext::keyName(byte)), byte) << macrotext::keyName(byte);
    }
    EXPECT_EQ(macrotext::keyCode("Mouse-Left"), macrokey::kMouseLeft);
    EXPECT_EQ(macrotext::keyCode("key-256"), std::nullopt);
    EXPECT_EQ(macrotext::keyCode(""), std::nullopt);
}

TEST(MacroText, EveryShippedMacroAndGunPresetPrintsAndParsesBackToTheSameBytes) {
    const fs::path skins = KARVO_DATA_OUT_DIR;
    const MacVkAndText keys;
    const MacroFile file(keys, 1);
    std::size_t checked = 0;
    for (const char* sub : {"macro", "macroReset"}) {
        RecordingNotifier notes;
        const fs::path folder = skins / languageFolderName(1) / sub;
        MacroGroup library(file, notes, folder, folder);
        library.load();
        ASSERT_GT(library.groupCount(), 0u);
        for (std::size_t g = 0; g < library.groupCount(); ++g) {
            for (std::size_t m = 0; m < library.macroCount(g); ++m) {
                expectIdentity(library.readMacroForDevice(g, m));
                ++checked;
            }
        }
    }
    RecordingNotifier notes;
    GunPresets presets(file, notes);
    ASSERT_TRUE(presets.load(skins / "config" / GunPresets::kFileName));
    for (std::size_t i = 0; i < presets.count(); ++i) {
        expectIdentity(*presets.preset(i));
        ++checked;
    }
    EXPECT_GT(checked, 50u);
}

}  // namespace
}  // namespace karvo

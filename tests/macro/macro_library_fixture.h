// A macro library in a fresh folder for the group, import and export tests: a language folder
// with its macro and macroReset folders, helpers that write group files and the group list as
// the program writes them, and a library object over them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "macro/macro_file.h"
#include "macro/macro_group.h"
#include "platform/notifier.h"
#include "platform/private_profile.h"
#include "tests/support/temp_dir.h"

namespace karvo::testing {

class MacroLibraryTest : public ::testing::Test {
  protected:
    MacroLibraryTest() {
        std::filesystem::create_directories(macroDir);
        std::filesystem::create_directories(resetDir);
    }

    // A macro with a name and `steps` key presses of A, so the content can be told apart.
    static MacroRecord macroNamed(const std::string& name, std::uint16_t steps = 2) {
        MacroRecord r;
        r.setName(name);
        r.repeatCount = 1;
        r.stepCount = steps;
        for (std::uint16_t i = 0; i < steps; ++i)
            r.steps[i] = {stepkind::kPress, 4, 0, 0, static_cast<std::uint16_t>(10 + i)};
        return r;
    }

    void writeGroupFile(const std::filesystem::path& folder, const std::string& name,
                        const std::vector<std::string>& macros) const {
        MacroTable t;
        t.setCount(static_cast<long long>(macros.size()));
        for (std::size_t i = 0; i < macros.size(); ++i)
            *t.macro(i) = macroNamed(macros[i]);
        ASSERT_TRUE(file.writeGroup(folder / (name + ".dat"), t));
    }

    // The group list as the program writes it; `count` may lie about the names.
    static void writeList(const std::filesystem::path& folder,
                          const std::vector<std::string>& names,
                          std::optional<int> count = std::nullopt) {
        ini::IniTransaction tx(folder / "macroGrp.ini");
        tx.set("MACRO_GROUP_NUM", "macGrpNum",
               std::to_string(count.value_or(static_cast<int>(names.size()))));
        for (std::size_t i = 0; i < names.size(); ++i)
            tx.set("MACRO_GROUP_NAME", std::to_string(i), names[i]);
        ASSERT_TRUE(tx.commit());
    }

    // Groups with their macros, in the macro folder, listed in order.
    void makeLibrary(const std::vector<std::pair<std::string, std::vector<std::string>>>& groups) {
        std::vector<std::string> names;
        for (const auto& [name, macros] : groups) {
            writeGroupFile(macroDir, name, macros);
            names.push_back(name);
        }
        writeList(macroDir, names);
    }

    std::vector<std::string> listedNames() const {
        const ini::IniSnapshot list(macroDir / "macroGrp.ini");
        std::vector<std::string> out;
        const int n = list.getInt("MACRO_GROUP_NUM", "macGrpNum", 3);
        for (int i = 0; i < n; ++i)
            out.push_back(list.get("MACRO_GROUP_NAME", std::to_string(i), "", 60));
        return out;
    }

    std::vector<std::string> names() const {
        return {lib.groupNames().begin(), lib.groupNames().end()};
    }
    std::vector<std::string> macrosOf(std::size_t g) const {
        return {lib.macroNames(g).begin(), lib.macroNames(g).end()};
    }
    std::vector<int> tips() const {
        std::vector<int> out;
        for (const auto& n : notes.notices)
            out.push_back(n.tipText);
        return out;
    }
    // Selects the macro line of group g, macro m, expanding the group when needed.
    void selectMacro(std::size_t g, int m) {
        if (!lib.isExpanded(g))
            selectLineOf(g, -1);
        selectLineOf(g, m);
    }
    void selectLineOf(std::size_t g, int m) {
        const auto lines = lib.lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].group == g && lines[i].macro == m) {
                ASSERT_TRUE(lib.selectLine(i));
                return;
            }
        }
        FAIL() << "no line for group " << g << " macro " << m;
    }

    TempDir root;
    std::filesystem::path languageDir = root.path() / "skins" / "1_INI_EN";
    std::filesystem::path macroDir = languageDir / "macro";
    std::filesystem::path resetDir = languageDir / "macroReset";
    MacVkAndText keys;
    MacroFile file{keys, 1};
    RecordingNotifier notes;
    MacroGroup lib{file, notes, macroDir, resetDir};
};

}  // namespace karvo::testing

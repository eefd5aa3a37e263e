// The manual page and the program's own help cannot drift apart: every command that
// "kvelmctl --help" lists has its own entry (a .TP paragraph headed by the command's name)
// in packaging/man/kvelmctl.1.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "kvelmctl_run.h"

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The command names of the help's "commands:" block, in their order.
std::vector<std::string> HelpCommands(const std::string& help) {
    std::istringstream in(help);
    std::vector<std::string> names;
    std::string line;
    bool inCommands = false;
    while (std::getline(in, line)) {
        if (line == "commands:") {
            inCommands = true;
        } else if (inCommands && line.empty()) {
            break;
        } else if (inCommands && line.starts_with("  ")) {
            std::istringstream words(line);
            std::string name;
            words >> name;
            names.push_back(name);
        }
    }
    return names;
}

// The words that head the manual's .TP paragraphs (".B list", ".BI info " ...", with
// roff's "\-" read as "-"); the second word too when it is an option ("apply --all").
std::set<std::string> ManualEntries(const std::string& manual) {
    std::istringstream in(manual);
    std::set<std::string> entries;
    std::string line, previous;
    while (std::getline(in, line)) {
        if (previous == ".TP" && (line.starts_with(".B ") || line.starts_with(".BI "))) {
            std::string plain;
            for (size_t i = line.find(' ') + 1; i < line.size(); ++i)
                if (line[i] != '\\' && line[i] != '"') plain += line[i];
            std::istringstream words(plain);
            std::string first, second;
            words >> first >> second;
            entries.insert(first);
            if (second.starts_with("--")) entries.insert(first + " " + second);
        }
        previous = line;
    }
    return entries;
}

TEST(KvelmctlManual, EveryCommandOfTheHelpHasAnEntryInTheManualPage) {
    const KvelmctlOutcome help = RunKvelmctl("", {"--help"});
    ASSERT_EQ(help.code, 0);
    const std::vector<std::string> commands = HelpCommands(help.out);
    ASSERT_FALSE(commands.empty()) << help.out;
    const std::set<std::string> entries = ManualEntries(ReadText(KVELMCTL_MANUAL));
    for (const std::string& command : commands)
        EXPECT_TRUE(entries.contains(command)) << "'" << command << "' is missing from " KVELMCTL_MANUAL;
    EXPECT_TRUE(entries.contains("apply --all")) << "apply --all needs its own paragraph";
    for (const char* option : {"--simulate", "--help", "--version", "-v", "-V"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

TEST(KvelmctlManual, TheEntriesAreReadFromTheParagraphHeads) {
    const std::string manual =
        ".TP\n.B list\nText.\n.PP\n.B apply \\-\\-all\nRuns into the text.\n"
        ".TP\n.BI info \" PATH|INDEX\"\n";
    EXPECT_EQ(ManualEntries(manual), (std::set<std::string>{"list", "info"}));
    EXPECT_EQ(HelpCommands("usage\n\ncommands:\n  list   x\n  info PATH  y\n\nINDEX\n"),
              (std::vector<std::string>{"list", "info"}));
}

}  // namespace

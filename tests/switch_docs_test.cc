// The switch table is the one list of switches; README's switch table and
// the manual page must name the same switches with the same timing, and
// README's "effect" column is the table's help text.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/switch_table.h"
#include "test_support.h"

namespace {

/// "-x" for a letter, "--name" for a long option.
std::string spelling(const SwitchRow& row) {
  return row.name ? std::string("--") + row.name : std::string("-") + row.letter;
}

/// What one documentation entry says about a switch.
struct Documented {
  std::string effect;
  std::string timing;
};

/// The rows of README's switch table by switch, effects without backquotes.
std::map<std::string, Documented> readmeSwitches() {
  std::istringstream readme(readFile(KINTREE_SOURCE_DIR "/README.md"));
  std::map<std::string, Documented> found;
  std::string line;
  bool inTable = false;
  const std::regex name("`(--[a-z-]+|[-+].)");
  while (std::getline(readme, line)) {
    if (line == "| switch | effect | when |") inTable = true;
    if (!inTable || line.rfind("| `", 0) != 0) {
      if (inTable && line.empty()) break;
      continue;
    }
    // Cells are split at " | "; a "|" inside an effect stands in backquotes.
    size_t first = line.find(" | ");
    size_t last = line.rfind(" | ");
    std::string switches = line.substr(0, first);
    std::string effect = line.substr(first + 3, last - first - 3);
    effect.erase(std::remove(effect.begin(), effect.end(), '`'), effect.end());
    std::string timing = line.substr(last + 3, line.size() - last - 5);
    for (std::sregex_iterator it(switches.begin(), switches.end(), name), end; it != end; ++it) {
      std::string word = (*it)[1];
      if (word[0] == '+') word[0] = '-';
      found[word] = {effect, timing};
    }
  }
  return found;
}

/// The tagged paragraphs of the manual page's OPTIONS section by switch.
std::map<std::string, Documented> manualSwitches() {
  std::istringstream page(readFile(KINTREE_SOURCE_DIR "/doc/kintree.1.in"));
  std::map<std::string, Documented> found;
  std::string line;
  bool inOptions = false;
  std::string current;
  const std::regex longName(R"(\\-\\-([a-z-]+))");
  const std::regex letter(R"((\\-|\+)([A-Za-z0-9]))");
  bool tagNext = false;
  while (std::getline(page, line)) {
    if (line.rfind(".SH", 0) == 0) inOptions = line == ".SH OPTIONS";
    if (!inOptions) continue;
    std::smatch match;
    if (tagNext) {
      tagNext = false;
      if (std::regex_search(line, match, longName)) {
        current = "--" + match[1].str();
      } else if (std::regex_search(line, match, letter)) {
        current = "-" + match[2].str();
      }
      found[current];
      continue;
    }
    if (line == ".TP") {
      tagNext = true;
    } else if (line == ".PP" || line.rfind(".SS", 0) == 0) {
      current.clear();  // the entry has ended
    } else if (!current.empty()) {
      found[current].timing += line + "\n";
    }
  }
  return found;
}

TEST(SwitchDocs, ReadmeAndManualPageFollowTheTable) {
  std::map<std::string, Documented> readme = readmeSwitches();
  std::map<std::string, Documented> manual = manualSwitches();
  const std::map<SwitchTime, std::string> kManualTiming = {
      {SwitchTime::AtOnce, "At once"},
      {SwitchTime::LaterPaths, "Later paths"},
      {SwitchTime::AtPublishing, "At publishing"},
      {SwitchTime::WholeRun, "For the whole run"},
  };
  std::set<std::string> inTable;
  for (const SwitchRow& row : switchTable()) {
    std::string word = spelling(row);
    SCOPED_TRACE(word);
    inTable.insert(word);
    ASSERT_EQ(1u, readme.count(word)) << "missing from README's switch table";
    EXPECT_EQ(row.help, readme[word].effect);
    EXPECT_EQ(timeName(row.time), readme[word].timing);
    ASSERT_EQ(1u, manual.count(word)) << "missing from the manual page's options";
    EXPECT_NE(std::string::npos, manual[word].timing.find(kManualTiming.at(row.time)))
        << manual[word].timing;
  }
  for (const auto& entry : readme) EXPECT_EQ(1u, inTable.count(entry.first)) << entry.first;
  for (const auto& entry : manual) EXPECT_EQ(1u, inTable.count(entry.first)) << entry.first;
}

}  // namespace

#ifndef KINTREE_APP_SWITCH_TABLE_H_
#define KINTREE_APP_SWITCH_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

class ScanContext;

/// What the run does after a switch.
enum class SwitchOutcome {
  Go,      ///< read the next argument
  Fail,    ///< end the run at once with status 255 (the switch said why)
  Finish,  ///< end the run at once with status 0 (--help, --version)
};

/// When a switch takes effect; the documentation states the same.
enum class SwitchTime {
  AtOnce,        ///< the moment it is read
  LaterPaths,    ///< for the paths after it
  AtPublishing,  ///< after every path was read, wherever it stands
  WholeRun,      ///< before the first path is walked, wherever it stands
};

/// Whether a switch takes a value ("-N=10", "--depth=3").
enum class SwitchValue { None, Optional, Needed };

/// One switch argument taken apart.
struct SwitchArgument {
  const std::string& text;  ///< the whole argument
  bool on;                  ///< a one-letter switch with "+"
  bool hasValue;
  std::string value;
};

/// Acts on one switch.
using SwitchAction = SwitchOutcome (*)(ScanContext& context, const SwitchArgument& argument);

/// One row of the switch table: a one-letter switch ("-x", "+n") or a long
/// option ("--version", "--depth=3").
struct SwitchRow {
  char letter;            ///< the letter, or 0 for a long option
  const char* name;       ///< the long option's name without "--", or nullptr
  SwitchValue value;      ///< whether it takes a value
  const char* valueName;  ///< the value as help shows it ("N"), or nullptr
  SwitchTime time;        ///< when it takes effect
  const char* help;       ///< one line, also README's "effect" column
  SwitchAction apply;     ///< called once per occurrence
};

/// Every switch the tool knows, letters first, then long options.
const std::vector<SwitchRow>& switchTable();

/// The row of a one-letter switch, or nullptr.
const SwitchRow* findLetter(char letter);
/// The row of a long option by its name without "--", or nullptr.
const SwitchRow* findLongOption(std::string_view name);

/// True for an argument that names a long option ("--" and a name).
bool isLongOption(const std::string& argument);
/// The name of a long option argument: the text between "--" and "=".
std::string_view longOptionName(const std::string& argument);

/// The section that --help adds after the usage screen: one line per long
/// option of the table, with colour markup.
std::string longOptionsHelp();

/// The timing as the README's "when" column writes it ("at publishing").
const char* timeName(SwitchTime time);

#endif  // KINTREE_APP_SWITCH_TABLE_H_

#include "app/switch_table.h"

#include <algorithm>
#include <memory>
#include <sstream>

#include "app/scan_context.h"
#include "app/usage.h"
#include "base/log.h"
#include "base/parse_number.h"
#include "base/patterns.h"
#include "platform/output.h"
#include "publish/publish_html.h"
#include "publish/publish_json.h"
#include "publish/publish_mermaid.h"
#include "publish/publish_page.h"
#include "publish/publish_viz.h"
#include "publish/section_loader.h"

namespace {

using Outcome = SwitchOutcome;
using Argument = SwitchArgument;

/// Replaces the current publisher by a new one of type P.
template <class P>
void install(ScanContext& context) {
  context.install(std::make_unique<P>(context.classes, context.options, context.output));
}

/// Compiles the value into `patterns`; an invalid one ends the run.
Outcome addPattern(std::vector<std::regex>& patterns, const Argument& argument) {
  std::optional<std::regex> pattern = compileWildcard(argument.value);
  if (!pattern) {
    Log().stream() << "Invalid pattern " << argument.value;
    return Outcome::Fail;
  }
  patterns.push_back(std::move(*pattern));
  return Outcome::Go;
}

Outcome setStyle(ScanContext& context, OutputStyle style) {
  context.options.style = style;
  return Outcome::Go;
}

Outcome loadInto(ScanContext& context, const Argument& argument, SectionKind kind) {
  loadSection(argument.value, *context.publisher, kind);
  return Outcome::Go;
}

Outcome showNames(ScanContext& c, const Argument& a) {
  c.options.showNames = a.on;
  return Outcome::Go;
}
Outcome showTree(ScanContext& c, const Argument& a) {
  c.options.showTree = a.on;
  return Outcome::Go;
}
Outcome graphics(ScanContext& c, const Argument&) { return setStyle(c, Graphics); }
Outcome plusMinus(ScanContext& c, const Argument&) { return setStyle(c, PlusMinus); }
Outcome spaces(ScanContext& c, const Argument&) { return setStyle(c, Spaces); }
Outcome htmlImages(ScanContext& c, const Argument&) {
  install<PublishHtml>(c);
  return setStyle(c, HtmlImages);
}
Outcome javaScript(ScanContext& c, const Argument&) {
  install<PublishHtml>(c);
  return setStyle(c, JavaScript);
}
Outcome tabular(ScanContext& c, const Argument&) {
  install<PublishHtml>(c);
  c.options.tabular = true;
  return Outcome::Go;
}
Outcome graphViz(ScanContext& c, const Argument&) {
  install<PublishViz>(c);
  return setStyle(c, GraphViz);
}
Outcome json(ScanContext& c, const Argument&) {
  install<PublishJson>(c);
  return Outcome::Go;
}
Outcome mermaid(ScanContext& c, const Argument&) {
  install<PublishMermaid>(c);
  return Outcome::Go;
}
Outcome page(ScanContext& c, const Argument&) {
  install<PublishPage>(c);
  return Outcome::Go;
}
Outcome splitByTree(ScanContext& c, const Argument&) {
  c.options.splitByTree = true;
  return Outcome::Go;
}
Outcome nodesPerFile(ScanContext& c, const Argument& a) {
  c.options.nodesPerFile = parseNumber(a.value.c_str());
  return Outcome::Go;
}
Outcome outPath(ScanContext& c, const Argument& a) {
  c.options.outPath = a.value;
  return Outcome::Go;
}
Outcome title(ScanContext& c, const Argument& a) {
  c.options.titles.push_back(a.value);
  return Outcome::Go;
}
Outcome replacement(ScanContext& c, const Argument& a) {
  c.options.replacements.push_back(a.value);
  return Outcome::Go;
}
Outcome allClasses(ScanContext& c, const Argument&) {
  c.options.includeNonPublic = true;
  return Outcome::Go;
}
Outcome interfaces(ScanContext& c, const Argument&) {
  c.options.includeInterfaces = true;
  return Outcome::Go;
}
Outcome ignoreFiles(ScanContext& c, const Argument& a) {
  return addPattern(c.options.ignoreFilePatterns, a);
}
Outcome ignoreClasses(ScanContext& c, const Argument& a) {
  return addPattern(c.classes.ignorePatterns, a);
}
Outcome includeClasses(ScanContext& c, const Argument& a) {
  return addPattern(c.classes.includePatterns, a);
}
Outcome imports(ScanContext& c, const Argument& a) {
  c.options.includeNonPublic = true;
  c.options.importLevel = a.hasValue ? parseNumber(a.value.c_str()) : 0;
  return Outcome::Go;
}
Outcome logLevel(ScanContext&, const Argument& a) {
  // Wraps like the 32-bit counter it is instead of overflowing.
  Log::threshold = a.hasValue ? parseNumber(a.value.c_str())
                              : static_cast<int32_t>(static_cast<uint32_t>(Log::threshold) + 1);
  return Outcome::Go;
}
Outcome threads(ScanContext& c, const Argument& a) {
  // Digits only, so that a typing error is not taken for some count.
  constexpr int32_t kMostThreads = 256;
  int32_t count = 0;
  for (char digit : a.value) {
    count = digit >= '0' && digit <= '9' && count <= kMostThreads ? count * 10 + (digit - '0')
                                                                  : kMostThreads + 1;
  }
  if (count < 1 || count > kMostThreads) {
    Log().stream() << "Invalid thread count " << a.value;
    return Outcome::Fail;
  }
  c.options.threads = count;
  return Outcome::Go;
}
Outcome resolve(ScanContext& c, const Argument&) {
  c.options.resolve = true;
  return Outcome::Go;
}
Outcome focus(ScanContext& c, const Argument& a) {
  c.options.focusNames.push_back(a.value);
  Outcome outcome = addPattern(c.options.focusPatterns, a);
  if (outcome != Outcome::Go) c.options.focusNames.pop_back();
  return outcome;
}
Outcome depth(ScanContext& c, const Argument& a) {
  // Only plain digits: a sign or a typo would otherwise read as 0, roots only.
  bool digits = !a.value.empty() && a.value.find_first_not_of("0123456789") == std::string::npos;
  if (!digits) {
    Log().stream() << "Invalid depth " << a.value;
    return Outcome::Fail;
  }
  c.options.depth = parseNumber(a.value.c_str());
  return Outcome::Go;
}
Outcome once(ScanContext& c, const Argument&) {
  c.options.once = true;
  return Outcome::Go;
}
Outcome packages(ScanContext& c, const Argument&) {
  c.options.packages = true;
  return Outcome::Go;
}
Outcome head(ScanContext& c, const Argument& a) { return loadInto(c, a, SectionKind::Head); }
Outcome bodyBegin(ScanContext& c, const Argument& a) {
  return loadInto(c, a, SectionKind::BodyBegin);
}
Outcome bodyEnd(ScanContext& c, const Argument& a) { return loadInto(c, a, SectionKind::BodyEnd); }

// The two requests answer at once and end the run with 0: paths walked
// before them are neither summarised nor published.
Outcome help(ScanContext& c, const Argument&) {
  std::ostringstream usage;
  printUsage(c.programName.c_str(), usage);
  c.output.write(usage.str());
  c.output.write(longOptionsHelp());
  return Outcome::Finish;
}
Outcome version(ScanContext& c, const Argument&) {
  c.output.write(std::string("kintree ") + kVersion + "\n");
  return Outcome::Finish;
}

constexpr SwitchValue kNone = SwitchValue::None;
constexpr SwitchValue kOptional = SwitchValue::Optional;
constexpr SwitchValue kNeeded = SwitchValue::Needed;
constexpr SwitchTime kAtOnce = SwitchTime::AtOnce;
constexpr SwitchTime kLaterPaths = SwitchTime::LaterPaths;
constexpr SwitchTime kAtPublishing = SwitchTime::AtPublishing;
constexpr SwitchTime kWholeRun = SwitchTime::WholeRun;

}  // namespace

const std::vector<SwitchRow>& switchTable() {
  // The help texts are README's "effect" column, without its backquotes.
  static const std::vector<SwitchRow> kRows = {
      {'n', nullptr, kNone, nullptr, kAtPublishing, "show / hide the alphabetic name table",
       showNames},
      {'t', nullptr, kNone, nullptr, kAtPublishing, "show / hide the class tree (shown by default)",
       showTree},
      {'g', nullptr, kNone, nullptr, kAtPublishing,
       "tree drawn with box-drawing characters (default)", graphics},
      {'x', nullptr, kNone, nullptr, kAtPublishing, "tree drawn with +, | and -", plusMinus},
      {'s', nullptr, kNone, nullptr, kAtPublishing, "tree drawn with blanks", spaces},
      {'h', nullptr, kNone, nullptr, kAtPublishing, "HTML page with image tree connections",
       htmlImages},
      {'j', nullptr, kNone, nullptr, kAtPublishing, "HTML page with a collapsible dtree tree",
       javaScript},
      {'T', nullptr, kNone, nullptr, kAtPublishing, "tabular HTML page (DataTables)", tabular},
      {'z', nullptr, kNone, nullptr, kAtPublishing, "GraphViz DOT graph", graphViz},
      {'Z', nullptr, kNone, nullptr, kAtPublishing, "with -z -O: one file per tree", splitByTree},
      {'N', nullptr, kNeeded, "n", kAtPublishing, "with -z -O: split files by a node budget",
       nodesPerFile},
      {'O', nullptr, kNeeded, "prefix", kAtPublishing,
       "with -z: write .gv files named prefix + root class", outPath},
      {'L', nullptr, kNeeded, "title", kAtPublishing, "titles (repeatable: first, second, third)",
       title},
      {'A', nullptr, kNone, nullptr, kAtPublishing, "include non-public classes", allClasses},
      {'I', nullptr, kNone, nullptr, kAtPublishing, "include interfaces", interfaces},
      {'V', nullptr, kNeeded, "pattern", kLaterPaths,
       "skip files whose absolute path matches (wildcard *, else ECMAScript)", ignoreFiles},
      {'v', nullptr, kNeeded, "pattern", kLaterPaths, "ignore classes whose name matches",
       ignoreClasses},
      {'i', nullptr, kNeeded, "pattern", kLaterPaths, "keep only classes whose name matches",
       includeClasses},
      {'M', nullptr, kOptional, "n", kLaterPaths,
       "import mode: packages and their imports, shortened by n components", imports},
      {'l', nullptr, kOptional, "n", kLaterPaths,
       "raise / set the message level (1 duplicates, 2 ignored files and classes, 3 and 4 "
       "parser dumps)",
       logLevel},
      {'1', nullptr, kNeeded, "file", kAtOnce, "HTML head section from a file (after -h, -j or -T)",
       head},
      {'2', nullptr, kNeeded, "file", kAtOnce,
       "HTML body-begin section from a file (after -h, -j or -T)", bodyBegin},
      {'3', nullptr, kNeeded, "file", kAtOnce,
       "HTML body-end section from a file (after -h, -j or -T)", bodyEnd},
      {'0', nullptr, kNeeded, "find,replace", kAtPublishing,
       "replacement words applied to those sections", replacement},
      {0, "json", kNone, nullptr, kAtPublishing,
       "one JSON document of the shown records and their links (schema in "
       "share/kintree/kintree.schema.json)",
       json},
      {0, "mermaid", kNone, nullptr, kAtPublishing,
       "Mermaid class diagram of the shown records and their links", mermaid},
      {0, "html", kNone, nullptr, kAtPublishing,
       "one interactive HTML page, self-contained and offline", page},
      {0, "resolve", kNone, nullptr, SwitchTime::WholeRun,
       "read every kind of Java type and link each name to the type it means", resolve},
      {0, "focus", kNeeded, "NAME", kAtPublishing,
       "show only the classes matching NAME (a -i pattern), their ancestors and descendants "
       "(repeatable)",
       focus},
      {0, "depth", kNeeded, "N", kAtPublishing,
       "stop the trees N levels below each root, or each focused class", depth},
      {0, "once", kNone, nullptr, kAtPublishing,
       "print each subtree once, marking where it appears again", once},
      {0, "packages", kNone, nullptr, kAtPublishing,
       "group by package: a line before the roots of each in the text tree, clusters in GraphViz",
       packages},
      {0, "help", kNone, nullptr, kAtOnce, "print this screen to standard output and end the run",
       help},
      {0, "version", kNone, nullptr, kAtOnce,
       "print the name and version to standard output and end the run", version},
      {0, "threads", kNeeded, "N", kWholeRun,
       "read and parse files on N threads, 1 to 256 (default: one per core); the output is the "
       "same",
       threads},
  };
  return kRows;
}

const SwitchRow* findLetter(char letter) {
  for (const SwitchRow& row : switchTable()) {
    if (row.letter == letter && letter != 0) return &row;
  }
  return nullptr;
}

const SwitchRow* findLongOption(std::string_view name) {
  for (const SwitchRow& row : switchTable()) {
    if (row.name && name == row.name) return &row;
  }
  return nullptr;
}

bool isLongOption(const std::string& argument) {
  return argument.size() > 2 && argument[0] == '-' && argument[1] == '-';
}

std::string_view longOptionName(const std::string& argument) {
  return std::string_view(argument).substr(2, argument.find('=', 2) - 2);
}

std::string longOptionsHelp() {
  // The value as it is written after the name: "=N", "[=N]" or nothing.
  auto valuePart = [](const SwitchRow& row) {
    if (row.value == SwitchValue::Needed) return std::string("=") + row.valueName;
    if (row.value == SwitchValue::Optional) return std::string("[=") + row.valueName + "]";
    return std::string();
  };
  size_t width = 0;
  for (const SwitchRow& row : switchTable()) {
    if (row.name)
      width = std::max(width, 2 + std::string_view(row.name).size() + valuePart(row).size());
  }
  std::string text = "\n_P_Long options:_X_\n";
  for (const SwitchRow& row : switchTable()) {
    if (!row.name) continue;
    std::string value = valuePart(row);
    size_t padding = width + 1 - (2 + std::string_view(row.name).size() + value.size());
    text += std::string("  _Y_--") + row.name + "_X_" + value + std::string(padding, ' ') + "; " +
            row.help + "\n";
  }
  return replaceColourMarkup(text);
}

const char* timeName(SwitchTime time) {
  switch (time) {
    case SwitchTime::AtOnce:
      return "at once";
    case SwitchTime::LaterPaths:
      return "for later paths";
    case SwitchTime::AtPublishing:
      return "at publishing";
    case SwitchTime::WholeRun:
      return "for the whole run";
  }
  return "";
}

#include "app/scan_context.h"

#include <iostream>
#include <sstream>

#include "app/log.h"
#include "app/options.h"
#include "app/usage.h"
#include "platform/output.h"
#include "publish/publish_html.h"
#include "publish/publish_json.h"
#include "publish/publish_mermaid.h"
#include "publish/publish_text.h"
#include "publish/publish_viz.h"
#include "publish/section_loader.h"
#include "scan/patterns.h"
#include "scan/walk_path.h"

ScanContext::ScanContext(Output& output) : output(output) {}

ScanContext::ScanContext() : ScanContext(Output::standard()) {}

void ScanContext::install(std::unique_ptr<Publish> next) { publisher = std::move(next); }

bool ScanContext::applySwitch(const std::string& argument) {
  if (argument.size() < 2) return true;
  bool on = argument[0] == '+';
  char letter = argument[1];
  // The third character (written "=") is skipped unread.
  bool hasValue = argument.size() > 3;
  std::string value = hasValue ? argument.substr(3) : std::string();

  auto addPattern = [&](std::vector<std::regex>& patterns) {
    if (!hasValue) return true;
    std::optional<std::regex> pattern = compileWildcard(value);
    if (!pattern) {
      Log().stream() << "Invalid pattern " << value;
      return false;
    }
    patterns.push_back(std::move(*pattern));
    return true;
  };

  switch (letter) {
    case 'n': showNames = on; break;
    case 't': showTree = on; break;
    case 'g': style = Graphics; break;
    case 'x': style = PlusMinus; break;
    case 's': style = Spaces; break;
    case 'h':
      style = HtmlImages;
      install(std::make_unique<PublishHtml>(classes, *this));
      break;
    case 'j':
      style = JavaScript;
      install(std::make_unique<PublishHtml>(classes, *this));
      break;
    case 'z':
      style = GraphViz;
      install(std::make_unique<PublishViz>(classes, *this));
      break;
    case 'T':
      tabular = true;
      install(std::make_unique<PublishHtml>(classes, *this));
      break;
    case 'Z': splitByTree = true; break;
    case 'N':
      if (hasValue) nodesPerFile = parseNumber(value.c_str());
      break;
    case 'O':
      if (hasValue) outPath = value;
      break;
    case 'L':
      if (hasValue) titles.push_back(value);
      break;
    case '0':
      if (hasValue) replacements.push_back(value);
      break;
    case 'A': includeNonPublic = true; break;
    case 'I': includeInterfaces = true; break;
    case 'V': return addPattern(ignoreFilePatterns);
    case 'v': return addPattern(classes.ignorePatterns);
    case 'i': return addPattern(classes.includePatterns);
    case 'M':
      includeNonPublic = true;
      importLevel = hasValue ? parseNumber(value.c_str()) : 0;
      break;
    case 'l':
      // Wraps like the 32-bit counter it is instead of overflowing.
      logLevel = hasValue ? parseNumber(value.c_str())
                          : static_cast<int32_t>(static_cast<uint32_t>(logLevel) + 1);
      messageThreshold = logLevel;
      break;
    case '1':
    case '2':
    case '3':
      if (hasValue) loadSection(value, *publisher, static_cast<SectionKind>(letter - '0'));
      break;
    default: break;
  }
  return true;
}

int ScanContext::run(int argc, char** argv) {
  install(std::make_unique<PublishText>(classes, *this));
  if (argc <= 1) {
    printUsage(argc > 0 ? argv[0] : "kintree", std::cerr);
    return -1;
  }

  int filesRead = 0;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    // The two whole-word requests answer at once and end the run with 0:
    // paths walked before them are neither summarised nor published.
    if (argument == "--help") {
      std::ostringstream usage;
      printUsage(argv[0], usage);
      output.write(usage.str());
      return 0;
    }
    if (argument == "--version") {
      output.write(std::string("kintree ") + kVersion + "\n");
      return 0;
    }
    if (argument == "--json") {
      install(std::make_unique<PublishJson>(classes, *this));
    } else if (argument == "--mermaid") {
      install(std::make_unique<PublishMermaid>(classes, *this));
    } else if (argument.empty() || (argument[0] != '-' && argument[0] != '+')) {
      filesRead += walkPath(argument, *this);
    } else if (!applySwitch(argument)) {
      return -1;
    }
  }

  int count = static_cast<int>(classes.size());
  output.flush();
  std::cerr << "kintree - Files read:" << filesRead << " classes extracted:" << count << std::endl;
  if (count != 0) {
    publisher->publish();
    classes.release();
  }
  output.flush();
  std::cerr << std::endl;
  // A graph file that could not be written is lost output, not a success.
  return writeFailed ? -1 : count;
}

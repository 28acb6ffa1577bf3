#include "app/scan_context.h"

#include <algorithm>
#include <iostream>
#include <thread>
#include <vector>

#include "app/usage.h"
#include "base/log.h"
#include "model/tree_view.h"
#include "model/type_resolver.h"
#include "parse/parse_file.h"
#include "platform/output.h"
#include "publish/publish_text.h"
#include "scan/walk_path.h"

ScanContext::ScanContext(Output& output) : output(output) {}

ScanContext::ScanContext() : ScanContext(Output::standard()) {}

void ScanContext::install(std::unique_ptr<Publish> next) { publisher = std::move(next); }

SwitchOutcome ScanContext::applySwitch(const std::string& argument) {
  if (isLongOption(argument)) {
    size_t equals = argument.find('=', 2);
    bool hasValue = equals != std::string::npos;
    const SwitchRow* row = findLongOption(longOptionName(argument));
    if (!row) {
      Log().stream() << "Unknown option " << argument;
      return SwitchOutcome::Fail;
    }
    if (hasValue && row->value == SwitchValue::None) {
      Log().stream() << "Option --" << row->name << " takes no value";
      return SwitchOutcome::Fail;
    }
    if (!hasValue && row->value == SwitchValue::Needed) {
      Log().stream() << "Option --" << row->name << " needs a value";
      return SwitchOutcome::Fail;
    }
    std::string value = hasValue ? argument.substr(equals + 1) : std::string();
    return row->apply(*this, {argument, true, hasValue, value});
  }

  // One letter per argument; anything the table does not know, a bare sign
  // and a switch missing its value are passed over in silence.
  if (argument.size() < 2) return SwitchOutcome::Go;
  const SwitchRow* row = findLetter(argument[1]);
  // The third character (written "=") is skipped unread.
  bool hasValue = argument.size() > 3;
  if (!row || (row->value == SwitchValue::Needed && !hasValue)) return SwitchOutcome::Go;
  std::string value = hasValue ? argument.substr(3) : std::string();
  return row->apply(*this, {argument, argument[0] == '+', hasValue, value});
}

int ScanContext::walk(const std::string& path) {
  if (!work_) {
    int threads = options.threads;
    if (threads == 0) threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    work_ = std::make_unique<OrderedWork<FileJob, FileScan, std::string>>(
        threads,
        [](std::string& buffer, FileJob& job, FileScan& scan) {
          scanFile(job.path, job.settings, buffer, scan);
        },
        [this](FileScan& scan) {
          if (!scan.settings.resolve) {
            mergeFile(scan, classes, output);
            return;
          }
          // Names are resolved once every file is read; what the switches
          // before this path set travels with each file's reading. They
          // stay as they are until every file of the path is merged.
          JavaFile& reading = javaFiles.emplace_back(std::move(scan.java));
          reading.path = scan.path;
          reading.ignorePatterns = classes.ignorePatterns.size();
          reading.includePatterns = classes.includePatterns.size();
          reading.dump = scan.settings.logLevel >= Log::kStatementDump;
        });
  }
  ParseSettings settings;
  settings.logLevel = static_cast<uint32_t>(Log::threshold);
  settings.importLevel = options.importLevel;
  settings.resolve = options.resolve && options.importLevel < 0;
  // The walker's own messages come after everything of the files before
  // them, as they would if each file were read when the walk meets it.
  Log::beforeMessage = [this] { work_->finish(); };
  int files = walkPath(path, options.ignoreFilePatterns, [&](const std::string& file) {
    work_->add({file, settings});
  });
  work_->finish();
  Log::beforeMessage = nullptr;
  if (files >= 0) return files;
  pathMissing = true;
  return 0;
}

int ScanContext::run(int argc, char** argv) {
  install(std::make_unique<PublishText>(classes, options, output));
  if (argc > 0) programName = argv[0];
  if (argc <= 1) {
    printUsage(programName.c_str(), std::cerr);
    return -1;
  }

  // Options for the whole run act before the first path, wherever they
  // stand; the scan stops where the main pass would stop, at an unknown
  // long option.
  std::vector<bool> done(argc, false);
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (!isLongOption(argument)) continue;
    const SwitchRow* row = findLongOption(longOptionName(argument));
    if (!row) break;
    if (row->time != SwitchTime::WholeRun) continue;
    done[i] = true;
    SwitchOutcome outcome = applySwitch(argument);
    if (outcome != SwitchOutcome::Go) return outcome == SwitchOutcome::Finish ? 0 : -1;
  }

  int filesRead = 0;
  for (int i = 1; i < argc; ++i) {
    if (done[i]) continue;
    std::string argument = argv[i];
    if (argument.empty() || (argument[0] != '-' && argument[0] != '+')) {
      filesRead += walk(argument);
      continue;
    }
    SwitchOutcome outcome = applySwitch(argument);
    if (outcome != SwitchOutcome::Go) return outcome == SwitchOutcome::Finish ? 0 : -1;
  }

  if (!javaFiles.empty()) {
    resolveTypes(javaFiles, classes, output);
    std::vector<JavaFile>().swap(javaFiles);
  }
  int count = static_cast<int>(classes.size());
  output.flush();
  Log::plain().stream() << "kintree - Files read:" << filesRead << " classes extracted:" << count;
  // A --focus name that matches nothing is a mistake, not an empty picture.
  std::vector<std::string> unmatched;
  if (!options.focusPatterns.empty()) unmatched = markFocus(classes, options);
  for (const std::string& name : unmatched) Log().stream() << "No class matches " << name;
  bool written = unmatched.empty();
  if (count != 0 && written) written = publisher->publish();
  classes.release();
  output.flush();
  Log::plain();  // the empty line that ends every summarised run
  // A graph file that could not be written is lost output, and a path that
  // named nothing a mistake, not a success.
  return written && !pathMissing ? count : -1;
}

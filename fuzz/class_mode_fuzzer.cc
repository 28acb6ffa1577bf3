// One arbitrary Java file through declaration extraction, the class list and
// every publisher, then a whole run over the same file: the model keeps its
// invariants, every descent ends, and the summary counts what was recorded.
// The same again with the Java-aware reading and its resolver.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/scan_context.h"
#include "fuzz/fuzz_support.h"
#include "model/type_resolver.h"
#include "parse/java_reader.h"
#include "parse/parse_file.h"
#include "platform/output.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = writeInput(data, size);
  size_t records = 0;
  {
    Output memory;
    ScanContext context(memory);
    ParseSettings settings;
    settings.logLevel = 4;  // the declaration dumps too
    parseFile(path, context.classes, settings, context.sourceBuffer, memory);
    checkClassList(context.classes);
    records = context.classes.size();
    publishAll(context);
  }
  RunOutcome run = runCaptured({"-x", path});
  require(run.summarised, "the run wrote no summary line");
  require(run.filesRead == 1, "the summary miscounts the files");
  require(run.classes == static_cast<long>(records), "the summary miscounts the records");
  require(run.status == static_cast<int>(records), "the run returned another count");

  size_t resolved = 0;
  {
    Output memory;
    ScanContext context(memory);
    std::vector<JavaFile> files(1);
    files[0].path = path;
    files[0].dump = true;
    readJavaFile(loadSource(path, context.sourceBuffer), files[0]);
    size_t declared = files[0].types.size();
    resolveTypes(files, context.classes, memory);
    checkClassList(context.classes);
    checkResolved(context.classes);
    size_t defined = 0;
    for (const auto& entry : context.classes.records()) defined += entry.second->defined;
    require(defined == declared, "a declaration without its record");
    resolved = context.classes.size();
    publishAll(context);
  }
  RunOutcome resolvedRun = runCaptured({"--resolve", "-x", path});
  require(resolvedRun.classes == static_cast<long>(resolved),
          "the summary miscounts the resolved records");
  return 0;
}

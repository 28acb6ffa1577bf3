// One arbitrary Java file through import mode at levels 0 to 3, with the
// same checks as the class-mode target.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/scan_context.h"
#include "fuzz/fuzz_support.h"
#include "parse/parse_file.h"
#include "platform/output.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = writeInput(data, size);
  for (int32_t level = 0; level <= 3; ++level) {
    size_t records = 0;
    {
      Output memory;
      ScanContext context(memory);
      context.options.includeNonPublic = true;
      context.options.importLevel = level;
      ParseSettings settings;
      settings.importLevel = level;
      settings.logLevel = 4;  // the import and class list dumps too
      parseFile(path, context.classes, settings, context.sourceBuffer, memory);
      checkClassList(context.classes);
      records = context.classes.size();
      publishAll(context);
    }
    RunOutcome run = runCaptured({"-M=" + std::to_string(level), "-x", path});
    require(run.summarised, "the run wrote no summary line");
    require(run.filesRead == 1, "the summary miscounts the files");
    require(run.classes == static_cast<long>(records), "the summary miscounts the records");
    require(run.status == static_cast<int>(records), "the run returned another count");
  }
  return 0;
}

#include <cerrno>
#include <cstring>
#include <iostream>

#include "app/scan_context.h"
#include "base/log.h"
#include "platform/console.h"
#include "platform/output.h"

int main(int argc, char** argv) {
  setupConsole();
  int status;
  {
    ScanContext context;
    status = context.run(argc, argv);
  }
  // A run whose output was lost must not look like a success.
  if (!Output::standard().flush()) {
    Log().stream() << "Failed to write standard output: "
                   << std::strerror(Output::standard().error());
    return 255;
  }
  // The status keeps 8 bits: the record count capped at 255, 255 after the
  // usage screen or an invalid pattern.
  if (status < 0 || status > 255) return 255;
  return status;
}

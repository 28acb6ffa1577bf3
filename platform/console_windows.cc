#include <windows.h>

#include "platform/console.h"

#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif

namespace {

/// Switches one standard handle into escape-sequence mode; a handle that is
/// no console (a file, a pipe, none at all) stays as it is.
void enableEscapeSequences(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return;
  DWORD mode = 0;
  if (!GetConsoleMode(handle, &mode)) return;
  SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

}  // namespace

// Standard error carries the coloured messages, so it is switched as well:
// with standard output redirected to a file it may still be the console.
void setupConsole() {
  enableEscapeSequences(STD_OUTPUT_HANDLE);
  enableEscapeSequences(STD_ERROR_HANDLE);
}

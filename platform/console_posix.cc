#include "platform/console.h"

// Terminals on POSIX systems show escape sequences as they are; there is
// nothing to switch on.
void setupConsole() {}

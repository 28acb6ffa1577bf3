#include <csignal>

#include "platform/console.h"

// Terminals on POSIX systems show escape sequences as they are; there is
// nothing to switch on. A parent that ignores SIGPIPE passes that on, and
// the run would then go on writing into a closed pipe (kintree ... | head)
// and end with an error: the default makes it end at once and quietly.
void setupConsole() { std::signal(SIGPIPE, SIG_DFL); }

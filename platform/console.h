#ifndef KINTREE_PLATFORM_CONSOLE_H_
#define KINTREE_PLATFORM_CONSOLE_H_

/// Prepares the console so that escape sequences on standard error show as
/// colours. A console that cannot be prepared (output redirected to a file or
/// a pipe) is no reason to stop: the run goes on either way.
void setupConsole();

#endif  // KINTREE_PLATFORM_CONSOLE_H_

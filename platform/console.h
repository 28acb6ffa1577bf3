#ifndef KINTREE_PLATFORM_CONSOLE_H_
#define KINTREE_PLATFORM_CONSOLE_H_

/// True where the console draws code page 437 bytes (Windows); POSIX
/// terminals speak UTF-8.
#ifdef _WIN32
constexpr bool kCodePage437Console = true;
#else
constexpr bool kCodePage437Console = false;
#endif

/// Prepares the console so that escape sequences on standard error show as
/// colours. A console that cannot be prepared (output redirected to a file or
/// a pipe) is no reason to stop: the run goes on either way.
void setupConsole();

#endif  // KINTREE_PLATFORM_CONSOLE_H_

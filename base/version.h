#ifndef KINTREE_BASE_VERSION_H_
#define KINTREE_BASE_VERSION_H_

/// The version shown on the usage screen, by --version and in --json; CMake
/// passes it from the project's version, as it does to the manual page.
inline constexpr const char* kVersion = KINTREE_VERSION;

#endif  // KINTREE_BASE_VERSION_H_

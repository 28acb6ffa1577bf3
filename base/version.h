#ifndef KINTREE_BASE_VERSION_H_
#define KINTREE_BASE_VERSION_H_

/// The version shown on the usage screen, by --version and in --json.
inline constexpr const char* kVersion = "v1.7";

#endif  // KINTREE_BASE_VERSION_H_

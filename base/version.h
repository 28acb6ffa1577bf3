#ifndef KINTREE_BASE_VERSION_H_
#define KINTREE_BASE_VERSION_H_

/// The tool's version, as the usage screen, --version and --json show it.
inline constexpr const char* kVersion = "v1.7";

#endif  // KINTREE_BASE_VERSION_H_

#ifndef KINTREE_APP_USAGE_H_
#define KINTREE_APP_USAGE_H_

#include <ostream>
#include <string>

/// The version shown on the usage screen.
inline constexpr const char* kVersion = "v1.7";

/// The usage text with its colour markup ("_y_word", "_P_ ... _X_") turned
/// into escape sequences.
std::string usageText();

/// Writes the usage screen for `programName` to `out`.
void printUsage(const char* programName, std::ostream& out);

#endif  // KINTREE_APP_USAGE_H_

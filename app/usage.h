#ifndef KINTREE_APP_USAGE_H_
#define KINTREE_APP_USAGE_H_

#include <ostream>
#include <string>

#include "base/version.h"

/// Turns the colour markup into escape sequences in place: "_y_word" (also
/// _r_, _g_, _p_, _lb_, _w_) colours one word up to a blank or "=", "_Y_"
/// (also _R_, _G_, _P_, _LB_, _W_) opens a colour and "_X_" resets it.
std::string& replaceColourMarkup(std::string& text);

/// The usage text with its colour markup ("_y_word", "_P_ ... _X_") turned
/// into escape sequences.
std::string usageText();

/// Writes the usage screen for `programName` to `out`.
void printUsage(const char* programName, std::ostream& out);

#endif  // KINTREE_APP_USAGE_H_

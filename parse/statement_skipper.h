#ifndef KINTREE_PARSE_STATEMENT_SKIPPER_H_
#define KINTREE_PARSE_STATEMENT_SKIPPER_H_

#include <string_view>

#include "parse/statement_reader.h"

/// The braces that ended the statements passed over, in effect: `closes`
/// closing ones that found no opening one among them, then `opens` opening
/// ones left open.
struct SkippedBraces {
  size_t closes = 0;
  size_t opens = 0;
};

/// Passes over the statements that can be neither a package statement nor
/// a declaration header and hold no brace but their terminator, without
/// building them, up to the first that may be one: every statement whose
/// built text holds "class", "interface" or "package", or another brace
/// (and a few more). The stream and `line` then stand where readStatement
/// would leave them after the last statement passed over (see
/// SourceStream::resumeAfter), and `braces` adds their terminators. True
/// when such a statement follows for readStatement to build; false when
/// the input ends first.
bool skipStatements(SourceStream& input, std::string_view& line, SkippedBraces& braces);

#endif  // KINTREE_PARSE_STATEMENT_SKIPPER_H_

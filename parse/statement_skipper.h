#ifndef KINTREE_PARSE_STATEMENT_SKIPPER_H_
#define KINTREE_PARSE_STATEMENT_SKIPPER_H_

#include <string_view>

#include "parse/statement_reader.h"

/// What skipStatement did with the next statement.
enum class SkipOutcome {
  Skipped,  ///< passed over; it cannot be a declaration
  Read,     ///< left unread: it may be one, so readStatement must build it
  End,      ///< the input ends before a terminator
};

/// Passes over the next statement without building it when it can be
/// neither a package statement nor a declaration header and holds no brace
/// but its terminator: the stream and `line` then stand after it as
/// readStatement would leave them (see SourceStream::resumeAfter), and
/// `terminator` is its last character.
/// Every statement whose built text holds "class", "interface" or
/// "package", or another brace, is left unread (and a few more); so are
/// the stream and `line` then.
SkipOutcome skipStatement(SourceStream& input, std::string_view& line, char& terminator);

#endif  // KINTREE_PARSE_STATEMENT_SKIPPER_H_

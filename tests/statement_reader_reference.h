#ifndef KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_
#define KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_

#include <string>
#include <string_view>

#include "parse/statement_reader.h"

/// readStatement done the plain way, one character at a time within each
/// line: the reference the fast reader must agree with.
bool referenceReadStatement(SourceStream& input, std::string& statement, std::string_view& line);

#endif  // KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_

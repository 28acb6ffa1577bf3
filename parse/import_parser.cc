#include "parse/import_parser.h"

// Import mode records nothing yet.
void parseImports(const std::string&, ClassList&, ScanContext&) {}

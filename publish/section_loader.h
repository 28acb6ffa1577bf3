#ifndef KINTREE_PUBLISH_SECTION_LOADER_H_
#define KINTREE_PUBLISH_SECTION_LOADER_H_

#include <string>

class Publish;

/// Which part of an HTML page a section file replaces (-1, -2, -3).
enum class SectionKind { Head = 1, BodyBegin = 2, BodyEnd = 3 };

/// Reads `fileName` into the section `kind` of the current publisher when it
/// is an HTML publisher; says on standard error why it ignores it otherwise.
void loadSection(const std::string& fileName, Publish& publisher, SectionKind kind);

#endif  // KINTREE_PUBLISH_SECTION_LOADER_H_

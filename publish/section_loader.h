#ifndef KINTREE_PUBLISH_SECTION_LOADER_H_
#define KINTREE_PUBLISH_SECTION_LOADER_H_

#include <string>

#include "publish/publish.h"

/// Reads `fileName` into the section `kind` of the current publisher when it
/// is an HTML publisher; says on standard error why it ignores it otherwise.
void loadSection(const std::string& fileName, Publish& publisher, SectionKind kind);

#endif  // KINTREE_PUBLISH_SECTION_LOADER_H_

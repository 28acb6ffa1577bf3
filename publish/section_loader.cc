#include "publish/section_loader.h"

#include "base/log.h"
#include "platform/file_system.h"

void loadSection(const std::string& fileName, Publish& publisher, SectionKind kind) {
  std::string content;
  readWholeFile(fileName, content);
  if (content.empty() || publisher.takeSection(kind, content)) return;
  Log::plain().stream() << "Loaded file ignored, wrong Publish type class " << publisher.typeName()
                        << "\nTry and specify -j before html file sections";
}

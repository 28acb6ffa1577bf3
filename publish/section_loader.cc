#include "publish/section_loader.h"

#include <iostream>

#include "platform/file_system.h"
#include "platform/output.h"
#include "publish/publish.h"

void loadSection(const std::string& fileName, Publish& publisher, SectionKind kind) {
  (void)publisher;
  (void)kind;
  std::string content;
  readWholeFile(fileName, content);
  if (content.empty()) return;
  // Only an HTML publisher takes sections; there is none in this build.
  Output::standard().flush();
  std::cerr << "Loaded file ignored, wrong Publish type class PublishText\n"
            << "Try and specify -j before html file sections\n";
}

#include "publish/section_loader.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "base/log.h"
#include "platform/file_system.h"
#include "publish/publish.h"
#include "publish/publish_html.h"

namespace {

/// "class " and the readable name of the publisher's dynamic type.
std::string typeName(const Publish& publisher) {
  const char* mangled = typeid(publisher).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> readable(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  return std::string("class ") + (status == 0 && readable ? readable.get() : mangled);
}

}  // namespace

void loadSection(const std::string& fileName, Publish& publisher, SectionKind kind) {
  std::string content;
  readWholeFile(fileName, content);
  if (content.empty()) return;
  if (auto* html = dynamic_cast<PublishHtml*>(&publisher)) {
    html->setSection(kind, std::move(content));
    return;
  }
  Log::plain().stream() << "Loaded file ignored, wrong Publish type " << typeName(publisher)
                        << "\nTry and specify -j before html file sections";
}

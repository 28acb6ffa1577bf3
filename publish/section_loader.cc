#include "publish/section_loader.h"

#include <cxxabi.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <typeinfo>

#include "platform/file_system.h"
#include "platform/output.h"
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
  // The message must follow any output already written to a shared terminal.
  Output::standard().flush();
  std::cerr << "Loaded file ignored, wrong Publish type " << typeName(publisher) << '\n'
            << "Try and specify -j before html file sections\n";
}

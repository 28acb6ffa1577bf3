// The --html page holds the --json document of the same run, escaped for a
// script element and nothing else, between the page's own fixed parts.
#include <gtest/gtest.h>

#include <string>

#include "publish/page_template.h"
#include "test_support.h"

namespace {

/// `text` with the escapes a script element needs turned back, and every
/// other escape left as it is.
std::string unescapeForScript(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      plain += text[i];
      continue;
    }
    std::string escape = text.substr(i, 6);
    if (escape == "\\u003c") {
      plain += '<';
    } else if (escape == "\\u003e") {
      plain += '>';
    } else if (escape == "\\u0026") {
      plain += '&';
    } else if (escape == "\\u2028") {
      plain += "\xE2\x80\xA8";
    } else if (escape == "\\u2029") {
      plain += "\xE2\x80\xA9";
    } else {
      plain += text.substr(i, 2);
      ++i;
      continue;
    }
    i += 5;
  }
  return plain;
}

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(PageTest, EmbedsTheJsonDocumentWithNothingThatCanEndItsScript) {
  TempDir dir;
  // Markup, comment openers, both line separators, an ampersand and a byte
  // that is not UTF-8 in the type parameters and the annotation.
  dir.write("src/Hostile.java",
            "@Odd</SCRIPT><!--&x public class Hostile<T</script><!--\xE2\x80\xA8\xE2\x80\xA9"
            "\xFF&amp> extends Base {}\n"
            "class Cat extends Hostile implements Pet {}\n");
  dir.write("src/Pet.java", "interface Pet {}\n");
  RunResult json = runKintree("--json -A -I src", dir.path());
  RunResult page = runKintree("--html -A -I -L=Zoo src", dir.path());
  ASSERT_EQ(json.status, page.status);

  const std::string& html = page.out;
  ASSERT_EQ(0u, html.find(PageBeforeView));
  size_t data = html.find(PageBeforeData);
  ASSERT_NE(std::string::npos, data);
  ASSERT_GE(html.size(), data + PageBeforeData.size() + PageAfterData.size());
  EXPECT_EQ(html.size() - PageAfterData.size(), html.rfind(PageAfterData));
  std::string settings = html.substr(PageBeforeView.size(), data - PageBeforeView.size());
  std::string document =
      html.substr(data + PageBeforeData.size(),
                  html.size() - PageAfterData.size() - data - PageBeforeData.size());

#ifdef _WIN32
  const std::string separator = "\\\\";  // a backslash, escaped in JSON
#else
  const std::string separator = "/";
#endif
  EXPECT_EQ(0u, settings.find("{\"title\":\"Zoo\",\"basePath\":\"")) << settings;
  const std::string end = "src" + separator + "\"}";
  EXPECT_EQ(settings.size() - end.size(), settings.rfind(end)) << settings;
  EXPECT_EQ(json.out, unescapeForScript(document));
  EXPECT_NE(json.out, document) << "the sources hold text to escape";
  for (const char* breaking : {"<", ">", "&", "\xE2\x80\xA8", "\xE2\x80\xA9"}) {
    EXPECT_EQ(std::string::npos, document.find(breaking)) << breaking;
  }
  EXPECT_EQ(std::string::npos, lower(document).find("</script"));
}

}  // namespace

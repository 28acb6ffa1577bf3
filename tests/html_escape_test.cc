#include "publish/html_escape.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EscapeCase {
  std::string input;
  std::string expected;
};

TEST(HtmlEscape, ReplacesMarkupButKeepsQuotesInElementText) {
  const EscapeCase cases[] = {
      {"", ""},
      {"Animal", "Animal"},
      {"Map<K,V>", "Map&lt;K,V&gt;"},
      {"a&b", "a&amp;b"},
      {"&lt;", "&amp;lt;"},
      {"it's \"quoted\"", "it's \"quoted\""},
      {"C:\\src\\app\\", "C:\\src\\app\\"},
      {"caf\xc3\xa9", "caf\xc3\xa9"},
  };
  for (const EscapeCase& c : cases) EXPECT_EQ(htmlEscape(c.input), c.expected) << c.input;
}

TEST(HtmlEscape, AttributeValuesAlsoEscapeBothQuotes) {
  const EscapeCase cases[] = {
      {"plain/path.java", "plain/path.java"},
      {"it's", "it&#39;s"},
      {"say \"hi\"", "say &quot;hi&quot;"},
      {"<a href='x'>&", "&lt;a href=&#39;x&#39;&gt;&amp;"},
  };
  for (const EscapeCase& c : cases) EXPECT_EQ(htmlEscapeAttribute(c.input), c.expected) << c.input;
}

TEST(JavaScriptEscape, KeepsTheLiteralClosedAndTheScriptOpen) {
  const EscapeCase cases[] = {
      {"", ""},
      {"Animal.java", "Animal.java"},
      {"C:\\src\\app\\", "C:\\\\src\\\\app\\\\"},
      {"it's", "it\\'s"},
      {"say \"hi\"", "say \\\"hi\\\""},
      {"</script><script>alert(1)</script>",
       "\\x3c/script\\x3e\\x3cscript\\x3ealert(1)\\x3c/script\\x3e"},
      {"<!--", "\\x3c!--"},
      {"two\nlines\r\ttab", "two\\nlines\\r\\ttab"},
      {std::string("nul\0bell\x07"
                   "del\x7f",
                   13),
       "nul\\x00bell\\x07del\\x7f"},
      {"line\xe2\x80\xa8para\xe2\x80\xa9", "line\\u2028para\\u2029"},
      // Other UTF-8 text passes unchanged, including a lone E2 at the end.
      {"caf\xc3\xa9 \xe2\x82\xac \xe2\x80", "caf\xc3\xa9 \xe2\x82\xac \xe2\x80"},
  };
  for (const EscapeCase& c : cases) EXPECT_EQ(javaScriptEscape(c.input), c.expected) << c.input;
}

TEST(JavaScriptEscape, AfterHtmlEscapeAnAddressStillReadsBackAsThePath) {
  // What the dtree page writes for a path with a quote and a backslash.
  EXPECT_EQ(javaScriptEscape(htmlEscapeAttribute("/src/it's\\here.java")),
            "/src/it&#39;s\\\\here.java");
}

}  // namespace

#include "publish/json_escape.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/output.h"

namespace {

std::string jsonString(const std::string& text) {
  Output out;
  writeJsonString(out, text);
  return out.captured();
}

// Each broken sequence gives as many U+FFFD as a browser's or Python's
// decoder shows: one for the longest start of a sequence, one per other byte.
TEST(JsonString, EscapesWhatJsonNeedsAndReplacesWhatIsNotUtf8) {
  const std::string fffd = "\xEF\xBF\xBD";
  const struct {
    std::string input;
    std::string expected;
  } cases[] = {
      {"", "\"\""},
      {"java.util.Map", "\"java.util.Map\""},
      {"it's \"q\"\\back</script>", "\"it's \\\"q\\\"\\\\back</script>\""},
      {"\x01\n\t\r\x1f\x7f", "\"\\u0001\\n\\t\\r\\u001f\x7f\""},
      {"K\xC3\xA4se \xF0\x9F\x98\x80 \xEF\xBF\xBF \xF4\x8F\xBF\xBF",
       "\"K\xC3\xA4se \xF0\x9F\x98\x80 \xEF\xBF\xBF \xF4\x8F\xBF\xBF\""},
      {"a\xFF"
       "b",
       "\"a" + fffd + "b\""},
      {"\xC0\xAF", "\"" + fffd + fffd + "\""},                        // overlong
      {"\xE0\x80\x80", "\"" + fffd + fffd + fffd + "\""},             // overlong
      {"\xED\xA0\x80", "\"" + fffd + fffd + fffd + "\""},             // surrogate
      {"\xF4\x90\x80\x80", "\"" + fffd + fffd + fffd + fffd + "\""},  // past U+10FFFF
      {"\xE2\x82"
       "A\xF0\x9F\x98",
       "\"" + fffd + "A" + fffd + "\""},  // cut off
  };
  for (const auto& c : cases) EXPECT_EQ(jsonString(c.input), c.expected) << c.input;
}

}  // namespace

#ifndef KINTREE_PUBLISH_HTML_ESCAPE_H_
#define KINTREE_PUBLISH_HTML_ESCAPE_H_

#include <string>
#include <string_view>

/// `text` for an element's content: "&", "<" and ">" as references.
std::string htmlEscape(std::string_view text);

/// `text` for a quoted attribute value: as htmlEscape, and both quotes too.
std::string htmlEscapeAttribute(std::string_view text);

/// `text` for a single- or double-quoted JavaScript string literal inside a
/// script element: backslashes, quotes, control bytes, the two line
/// separators, "<" and ">" are escaped, so the literal keeps its value and
/// can neither end early nor close the script element.
std::string javaScriptEscape(std::string_view text);

#endif  // KINTREE_PUBLISH_HTML_ESCAPE_H_

# Turns the --html page (publish/page/: markup, stylesheet, script) into a
# C++ source of string literals, cut where the run's settings and data go:
#   cmake -DPAGE_DIR=<publish/page> -DOUTPUT=<file.cc> -P embed_page.cmake
# Plain CMake, so every build machine runs it, the cross build's included.

function(read_page_file name out)
  file(READ "${PAGE_DIR}/${name}" text)
  # A checkout with CRLF line ends still gives the same page.
  string(REPLACE "\r" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Inlined into a style or script element, the text must not end that element
# early or open a comment in it.
function(check_inline name text)
  string(TOLOWER "${text}" lower)
  foreach(bad "</script" "</style" "<!--")
    string(FIND "${lower}" "${bad}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${name} holds \"${bad}\", which would break the inlined page")
    endif()
  endforeach()
endfunction()

# Replaces the one occurrence of `marker` in `page`.
function(replace_once page_var marker replacement)
  string(FIND "${${page_var}}" "${marker}" first)
  string(FIND "${${page_var}}" "${marker}" last REVERSE)
  if(first EQUAL -1 OR NOT first EQUAL last)
    message(FATAL_ERROR "page.html must hold \"${marker}\" exactly once")
  endif()
  string(REPLACE "${marker}" "${replacement}" result "${${page_var}}")
  set(${page_var} "${result}" PARENT_SCOPE)
endfunction()

# `text` as adjacent C string literals, one per source line.
function(c_literal out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\n\"\n    \"" text "${text}")
  set(${out} "    \"${text}\"" PARENT_SCOPE)
endfunction()

read_page_file(page.html page)
read_page_file(page.css style)
read_page_file(page.js script)
check_inline(page.css "${style}")
check_inline(page.js "${script}")
replace_once(page "<link rel=\"stylesheet\" href=\"page.css\">" "<style>\n${style}</style>")
replace_once(page "<script src=\"page.js\"></script>" "<script>\n${script}</script>")

foreach(slot view data)
  string(FIND "${page}" "{{${slot}}}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "page.html must hold \"{{${slot}}}\"")
  endif()
  string(SUBSTRING "${page}" 0 ${at} before_${slot})
  string(LENGTH "{{${slot}}}" marker_length)
  math(EXPR rest "${at} + ${marker_length}")
  string(SUBSTRING "${page}" ${rest} -1 page)
endforeach()

c_literal(before_view "${before_view}")
c_literal(before_data "${before_data}")
c_literal(after_data "${page}")
file(WRITE "${OUTPUT}" "// Made by cmake/embed_page.cmake from publish/page/; edit those files.
#include \"publish/page_template.h\"

namespace {

const char kBeforeView[] =
${before_view};
const char kBeforeData[] =
${before_data};
const char kAfterData[] =
${after_data};

}  // namespace

const std::string_view PageBeforeView(kBeforeView, sizeof kBeforeView - 1);
const std::string_view PageBeforeData(kBeforeData, sizeof kBeforeData - 1);
const std::string_view PageAfterData(kAfterData, sizeof kAfterData - 1);
")

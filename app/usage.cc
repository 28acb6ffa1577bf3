#include "app/usage.h"

#include "base/replace.h"
#include "publish/web_addresses.h"

namespace {

/// The usage text with its colour markup: "_y_word" colours one word,
/// "_P_" ... "_X_" a stretch.
std::string markedUpUsage() {
  std::string text;
  text += "\n";
  text += "Des: _P_Generate class dependence tree_X_ (Mar 10 2019)\n";
  text += std::string("By:  _W_Quillmoor  ") + kHomePage + " _X_\n";
  text += "Use: kintree [-+ntgxshjz] header_files...\n";
  text += "\n";
  text += "Switches (*=default)(-=off, +=on):\n";
  text += "  _y_n  ; Show alphabetic class name list\n";
  text += "* _y_t  ; Show class dependency tree\n";
  text += "\n";
  text += "_P_Output format (single choice):_X_\n";
  text += "* _y_g  ; Use graphics for tree connections\n";
  text += "  _y_x  ; Use (+|-) for tree connections\n";
  text += "  _y_s  ; Use spaces for tree connections\n";
  text += "  _y_h  ; Html tree connections (needs images 0.png, 1.png, 2.png, n.png)\n";
  text += std::string("  _y_j  ; Java tree connections (needs dtree ") + kDtreePage + ")\n";
  text += std::string("  _y_z  ; GraphViz (see ") + kGraphVizPage + ")\n";
  text += "\n";
  text += "  With -_y_j to customize java _y_1=header, _y_2=body begin, _y_3=body end\n";
  text += "     Specify file which contains html text to insert in output\n";
  text += "  -_y_1=head.html -_y_2=bodybegin.html -_y_3=bodyend.html\n";
  text += "     Optional replacement words applied to html sections\n";
  text += "  -_y_0=x1,foo1 -_y_0=x2,foo2 -_y_0=x3,foo3\n";
  text += "\n";
  text += "_P_Modifiers:_X_\n";
  text += "  _y_Z               ; Split GraphViz by tree, use with -O\n";
  text += "  _y_N =nodesPerFile ; Split by nodes per file, use with -O\n";
  text += "  _y_O =outpath      ; Save output in file\n";
  text += "  _y_T =tabular      ; Tabular html \n";
  text += "  _y_V =filePattern  ; Ignore file path pattern, ex *Test*\n";
  text += "  _y_v =classPattern ; Ignore class pattern, ex [Tt]est[0-9]\n";
  text += "  _y_A =allClasses   ; Include Protected and Private classes\n";
  text += "  _y_M =level        ; Parse imports instead of Classes\n";
  text += "                       level 0=full import, 1=drop last file\n";
  text += "  _y_I =interfaces   ; Include Interfaces in report\n";
  text += "  _y_i =classPattern ; Include class pattern, opposite of -v\n";
  text += "  _y_L =Title        ; Set optional title\n";
  text += "\n";
  text += "_P_Examples (assumes java source code in directory src):_X_\n";
  text += "  kintree -t +n  src\\*.java  ; *.java prevent recursion\n";
  text += "  kintree -x  src > kintree.txt\n";
  text += "  kintree -h  dir1 dir2 foo*.java  > kintree.html\n";
  text += "  kintree -h -I -T \"-v=*Test*\" src > javaTable.html\n";
  text += "  kintree -j  src > kintreeWithJs.html\n";
  text += "  kintree -j -1=head.html -2=bodybegin.html -3=bodyend.html src > jtrees.html\n";
  text += "\n";
  text += "  -V is case sensitive \n";
  text += "  kintree -z -Z -O=.\\viz\\ -V=*Test* -V=*Exception* src >directgraph.dot\n";
  text += "  kintree -z -N=10 -O=.\\viz\\ -V=*Test* -V=*Exception* src >directgraph.dot\n";
  return text;
}

}  // namespace

std::string& replaceColourMarkup(std::string& text) {
  struct Rule {
    const char* pattern;
    const char* format;
  };
  static const Rule kRules[] = {
      {"_y_([^ =]+)", "\x1b[01;33m$1\x1b[00m"},
      {"_r_([^ =]+)", "\x1b[01;31m$1\x1b[00m"},
      {"_g_([^ =]+)", "\x1b[01;32m$1\x1b[00m"},
      {"_p_([^ =]+)", "\x1b[01;35m$1\x1b[00m"},
      {"_lb_([^ =]+)", "\x1b[01;36m$1\x1b[00m"},
      {"_w_([^ =]+)", "\x1b[01;37m$1\x1b[00m"},
      {"_Y_", "\x1b[01;33m"},
      {"_R_", "\x1b[01;31m"},
      {"_G_", "\x1b[01;32m"},
      {"_P_", "\x1b[01;35m"},
      {"_LB_", "\x1b[01;36m"},
      {"_W_", "\x1b[01;37m"},
      {"_X_", "\x1b[00m"},
  };
  for (const Rule& rule : kRules) replaceRegex(text, rule.pattern, rule.format);
  return text;
}

std::string usageText() {
  std::string text = markedUpUsage();
  return replaceColourMarkup(text);
}

void printUsage(const char* programName, std::ostream& out) {
  out << "\n" << programName << " (" << kVersion << ")\n" << usageText();
  out.flush();
}

#include "publish/publish_mermaid.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/scan_context.h"
#include "base/log.h"
#include "model/shown_set.h"
#include "platform/output.h"

namespace {

TEST(MermaidText, IdsAreWordsAndLabelsKeepOnlyPlainCharacters) {
  const struct {
    std::string name;
    std::string id;
    std::string label;
  } cases[] = {
      {"Map.Entry", "Map_Entry_7", "Map.Entry"},
      {"Outer$Inner", "Outer_Inner_7", "Outer#36;Inner"},
      {"Map<K, V>", "Map_K_V__7", "Map#60;K#44;#32;V#62;"},
      {"__init__", "__init___7", "#95;#95;init#95;#95;"},
      {"K\xC3\xA4se", "K_se_7", "K\xC3\xA4se"},
      {"a\"</script>\\%%", "a_script__7", "a#34;#60;#47;script#62;#92;#37;#37;"},
      {"bad\xFF", "bad__7", "bad\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    std::string id, label;
    appendMermaidId(id, c.name, 7);
    appendMermaidLabel(label, c.name);
    EXPECT_EQ(id, c.id) << c.name;
    EXPECT_EQ(label, c.label) << c.name;
  }
  EXPECT_EQ(utf16Length("a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"), 5u);
}

TEST(MermaidDiagram, PackagesBecomeNamespacesWhosePartsReadAsNames) {
  ScanContext context;
  ClassList& classes = context.classes;
  classes.addClass("class", "Base", "public", "/s/Base.java", "zoo.note", true);
  ClassInfo* pet = classes.addClass("interface", "Pet", "public", "/s/Pet.java", "o..x$", true);
  ClassInfo* cat = classes.addClass("class", "Cat", "public", "/s/Cat.java", "", true);
  classes.linkParent(cat, "Base", cat->file, cat->package);
  cat->interfaces.insert(pet);
  ShownSet shown = ShownSet::ofTree(classes, true, true);
  EXPECT_EQ(mermaidDiagram(shown, true, false),
            "classDiagram\n"
            "  class Cat_1[\"Cat\"]\n"
            "  namespace zoo.note_ {\n"
            "    class Base_0[\"Base\"]\n"
            "  }\n"
            "  namespace o_._.x_ {\n"
            "    class Pet_2[\"Pet\"]\n"
            "  }\n"
            "  <<interface>> Pet_2\n"
            "  Base_0 <|-- Cat_1\n"
            "  Pet_2 <|.. Cat_1\n");
}

TEST(MermaidDiagram, LongDiagramIsWrittenWholeWithAWarning) {
  Output out;
  ScanContext context(out);
  for (int i = 0; i < 2000; ++i) {
    std::string name = "AVeryLongClassNameToFillTheDiagram" + std::to_string(i);
    context.classes.addClass("class", name, "public", "/s/" + name + ".java", "p", true);
  }
  std::ostringstream messages;
  Log::destination = &messages;
  PublishMermaid(context.classes, context.options, out).printTree();
  Log::destination = &std::cerr;
  // The last record's class line is there: nothing was cut.
  EXPECT_GT(out.captured().size(), kMermaidTextLimit);
  EXPECT_NE(out.captured().find("class AVeryLongClassNameToFillTheDiagram999_1999["),
            std::string::npos);
  EXPECT_NE(messages.str().find("--focus or --depth"), std::string::npos) << messages.str();
}

}  // namespace

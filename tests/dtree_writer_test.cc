#include "publish/dtree_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "app/scan_context.h"
#include "class_list_builder.h"
#include "model/class_list.h"
#include "platform/output.h"

namespace {

class DtreeWriterTest : public testing::Test {
 protected:
  DtreeWriterTest() : context(out) {}

  std::string write() {
    out.clearCaptured();
    DtreeWriter writer(context.classes, context.options, out);
    writer.nextNodeId = nextNodeId;
    writer.printTree();
    nextNodeId = writer.nextNodeId;
    return out.captured();
  }

  Output out;
  ScanContext context;
  ClassListBuilder build{context.classes};
  int32_t nextNodeId = 1;  // carried from one write() to the next
};

TEST_F(DtreeWriterTest, WorkedExampleWithWindowsPathsEscapesTheBackslashes) {
  build.declare("Animal", "public", "C:\\src\\app\\Animal.java");
  build.extend(build.declare("Cat", "public", "C:\\src\\app\\Cat.java"), "Animal");
  ClassInfo* dog = build.declare("Dog", "public", "C:\\src\\app\\Dog.java");
  build.extend(dog, "Animal");
  dog->interfaces.insert(context.classes.addClass("interface", "Pet", "", dog->file, "app", false));
  EXPECT_EQ(write(),
            "\np='C:\\\\src\\\\app\\\\';\ni='C:\\\\src\\\\app\\\\';\n"
            "d.add(1,0,'Animal',p+'Animal.java');\n"
            "d.add(2,1,'Cat',p+'Cat.java');\n"
            "d.add(3,1,'Dog',p+'Dog.java');\n");
  EXPECT_EQ(nextNodeId, 4);
}

TEST_F(DtreeWriterTest, BasePathOfTenBytesIsNotUsed) {
  build.declare("A", "public", "/src/apps/A.java");
  build.declare("B", "public", "/src/apps/B.java");
  EXPECT_EQ(write(),
            "d.add(1,0,'A','/src/apps/A.java');\n"
            "d.add(2,0,'B','/src/apps/B.java');\n");
}

TEST_F(DtreeWriterTest, BasePathOfElevenBytesIsUsed) {
  build.declare("A", "public", "/src/appsx/A.java");
  build.declare("B", "public", "/src/appsx/B.java");
  EXPECT_EQ(write(),
            "\np='/src/appsx/';\ni='/src/appsx/';\n"
            "d.add(1,0,'A',p+'A.java');\n"
            "d.add(2,0,'B',p+'B.java');\n");
}

TEST_F(DtreeWriterTest, FilesInDifferentTopDirectoriesHaveNoBasePath) {
  build.declare("A", "public", "alpha/long/directory/A.java");
  build.declare("B", "public", "beta/long/directory/B.java");
  EXPECT_EQ(write(),
            "d.add(1,0,'A','alpha/long/directory/A.java');\n"
            "d.add(2,0,'B','beta/long/directory/B.java');\n");
}

TEST_F(DtreeWriterTest, HiddenRootTakesNoIdButHiddenChildrenDo) {
  build.declare("Aaa", "", "/project/src/Aaa.java");  // not public, no public descendant
  build.declare("Base", "public", "/project/src/Base.java");
  ClassInfo* hidden = build.declare("Hidden", "", "/project/src/Hidden.java");
  build.extend(hidden, "Base");
  build.extend(build.declare("Deeper", "", "/project/src/Deeper.java"), "Hidden");
  build.extend(build.declare("Shown", "public", "/project/src/Shown.java"), "Base");
  // Hidden takes 2 and Deeper 3 without being written.
  EXPECT_EQ(write(),
            "\np='/project/src/';\ni='/project/src/';\n"
            "d.add(1,0,'Base',p+'Base.java');\n"
            "d.add(4,1,'Shown',p+'Shown.java');\n");
  EXPECT_EQ(nextNodeId, 5);
}

TEST_F(DtreeWriterTest, NumberingContinuesFromTheWritersCounter) {
  build.declare("A", "public", "/a/b/c/d/e/A.java");
  nextNodeId = 40;
  EXPECT_EQ(write(), "\np='/a/b/c/d/e/A.java';\ni='/a/b/c/d/e/A.java';\nd.add(40,0,'A',p+'');\n");
  EXPECT_EQ(nextNodeId, 41);
}

TEST_F(DtreeWriterTest, LabelsCarryModifiersOtherThanPublicAndKindsOtherThanClass) {
  context.options.includeInterfaces = true;
  build.declare("Plain", "public", "/work/source/Plain.java");
  build.declare("Shape", "public abstract", "/work/source/Shape.java");
  build.declare("Nested", "public static", "/work/source/Nested.java");
  build.declare("Pet", "public", "/work/source/Pet.java", "interface");
  EXPECT_EQ(write(),
            "\np='/work/source/';\ni='/work/source/';\n"
            "d.add(1,0,'Nested (public static)',p+'Nested.java');\n"
            "d.add(2,0,'Pet [interface]',p+'Pet.java');\n"
            "d.add(3,0,'Plain',p+'Plain.java');\n"
            "d.add(4,0,'Shape (public abstract)',p+'Shape.java');\n");
}

TEST_F(DtreeWriterTest, PlaceholdersAreImportedWithTheirEscapedName) {
  build.extend(build.declare("Cat", "public", "/work/source/Cat.java"), "Base<T>");
  EXPECT_EQ(write(),
            "\np='/work/source/Cat.java';\ni='/work/source/Cat.java';\n"
            "d.add(1,0,'Base&lt;T&gt; { Imported }',i+'Base&lt;T&gt;');\n"
            "d.add(2,1,'Cat',p+'');\n");
}

TEST_F(DtreeWriterTest, PlaceholderWithoutBasePathGetsTheBareName) {
  build.extend(build.declare("Cat", "public", "Cat.java"), "Base");
  EXPECT_EQ(write(),
            "d.add(1,0,'Base { Imported }','Base');\n"
            "d.add(2,1,'Cat','Cat.java');\n");
}

TEST_F(DtreeWriterTest, OnlyTheLeadingBasePathIsCutFromAnAddress) {
  // The base path "/source/app/" occurs again inside the first file.
  build.declare("A", "public", "/source/app/x/source/app/A.java");
  build.declare("B", "public", "/source/app/B.java");
  EXPECT_EQ(write(),
            "\np='/source/app/';\ni='/source/app/';\n"
            "d.add(1,0,'A',p+'x/source/app/A.java');\n"
            "d.add(2,0,'B',p+'B.java');\n");
}

TEST_F(DtreeWriterTest, QuotesAndMarkupInPathsCannotEndTheLiteral) {
  build.declare("A", "public", "/tmp/it's/</script>/A.java");
  build.declare("B", "public", "/tmp/it's/</script>/B.java");
  EXPECT_EQ(write(),
            "\np='/tmp/it&#39;s/&lt;/script&gt;/';\ni='/tmp/it&#39;s/&lt;/script&gt;/';\n"
            "d.add(1,0,'A',p+'A.java');\n"
            "d.add(2,0,'B',p+'B.java');\n");
}

TEST_F(DtreeWriterTest, ClassWithSeveralParentsAppearsUnderEachWithNewIds) {
  context.options.includeInterfaces = true;
  build.declare("Left", "public", "/work/source/Left.java", "interface");
  build.declare("Right", "public", "/work/source/Right.java", "interface");
  ClassInfo* both = build.declare("Both", "public", "/work/source/Both.java", "interface");
  build.extend(both, "Left");
  build.extend(both, "Right");
  EXPECT_EQ(write(),
            "\np='/work/source/';\ni='/work/source/';\n"
            "d.add(1,0,'Left [interface]',p+'Left.java');\n"
            "d.add(2,1,'Both [interface]',p+'Both.java');\n"
            "d.add(3,0,'Right [interface]',p+'Right.java');\n"
            "d.add(4,3,'Both [interface]',p+'Both.java');\n");
}

TEST_F(DtreeWriterTest, CycleBelowARootEndsWithoutRevisitingTheLoop) {
  ClassInfo* a = build.declare("A", "public", "/work/source/A.java");
  ClassInfo* b = build.declare("B", "public", "/work/source/B.java");
  build.extend(a, "Root");
  build.extend(a, "B");
  build.extend(b, "A");
  build.extend(b, "B");  // and B is its own parent
  EXPECT_EQ(write(),
            "\np='/work/source/';\ni='/work/source/';\n"
            "d.add(1,0,'Root { Imported }',i+'Root');\n"
            "d.add(2,1,'A',p+'A.java');\n"
            "d.add(3,2,'B',p+'B.java');\n");
}

TEST_F(DtreeWriterTest, DeepChainDoesNotExhaustTheStack) {
  const int depth = 50000;
  build.declare("C0", "public", "/work/source/C.java");
  for (int i = 1; i < depth; ++i) {
    build.extend(build.declare("C" + std::to_string(i), "public", "/work/source/C.java"),
                 "C" + std::to_string(i - 1));
  }
  std::string text = write();
  EXPECT_EQ(nextNodeId, depth + 1);
  EXPECT_NE(text.find("d.add(50000,49999,'C49999',p+'');\n"), std::string::npos);
}

}  // namespace

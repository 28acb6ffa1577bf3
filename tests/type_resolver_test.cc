#include "model/type_resolver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/class_list.h"
#include "parse/java_reader.h"
#include "platform/output.h"

namespace {

/// The files of one run, in walk order: path and text.
using Sources = std::vector<std::pair<std::string, std::string>>;

/// One line per record in list order: qualified name, kind, "?" for a
/// placeholder, then the qualified names of parents (<), interfaces (:)
/// and permitted subtypes (|).
std::string resolve(const Sources& sources, ClassList& classes, Output& out) {
  std::vector<JavaFile> files(sources.size());
  for (size_t i = 0; i < sources.size(); ++i) {
    files[i].path = sources[i].first;
    readJavaFile(sources[i].second, files[i]);
  }
  resolveTypes(files, classes, out);
  std::string text;
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    text += record.qualifiedName + " " + record.kind + (record.defined ? "" : " ?");
    for (const ClassInfo* parent : record.parents) text += " < " + parent->qualifiedName;
    for (const ClassInfo* implemented : record.interfaces)
      text += " : " + implemented->qualifiedName;
    for (const ClassInfo* permitted : record.permits) text += " | " + permitted->qualifiedName;
    text += "\n";
  }
  return text;
}

TEST(TypeResolver, LinksEachNameToTheTypeTheCompilerPicks) {
  Sources sources = {
      {"app/Single.java",
       "package app;\nimport p1.Node;\nimport p2.*;\npublic class Single extends Node {}\n"},
      {"app/Demand.java",
       "package app;\nimport java.util.*;\nimport p2.*;\n"
       "class Demand extends Node implements Node.Visitor, Map.Entry<String, String> {}\n"},
      // Canvas inherits a member type from an interface read later.
      {"app/Walker.java",
       "package app;\nimport p2.Node;\n"
       "class Walker extends Node { class Step extends Inner implements Visitor {} }\n"
       "class Canvas implements Shapes { class Big extends Circle {} }\n"
       "class Deep extends Walker.Inner {}\n"},
      {"app/Shapes.java",
       "package app;\nsealed interface Shapes permits Shapes.Circle, Square {\n"
       "  final class Circle implements Shapes {}\n}\n"
       "record Square(int side) implements Shapes, Comparable<Square> {}\n"
       "enum Tone { LOW { }, HIGH }\n"},
      {"p1/Node.java", "package p1;\npublic class Node {}\n"},
      {"p2/Node.java",
       "package p2;\npublic class Node {\n  public static class Inner {}\n"
       "  public interface Visitor {}\n}\n"},
      {"p3/Node.java", "package p3;\npublic class Node {}\n"},
      // A member type hides the package's type; locals see each other.
      {"p3/Host.java",
       "package p3;\nclass Leaf extends Node {}\n"
       "class Host { static class Node {} static class Child extends Node {}\n"
       "  void f() { class A {} class B extends A {} } }\n"},
      {"cipher/AESCipher.java",
       "package cipher;\nabstract class AESCipher extends javax.crypto.CipherSpi {\n"
       "  abstract static class OidImpl extends AESCipher {}\n"
       "  static final class AES128 extends OidImpl {}\n}\n"},
      // Names nothing declares: java.lang first, then the first import on
      // demand, then the file's own package.
      {"tests/MyTest.java",
       "package tests;\nimport org.junit.*;\nimport org.ui.*;\n"
       "class MyTest extends Exception {}\nclass View extends Widget implements Runnable {}\n"},
      {"Loose.java", "class Loose extends Exception implements Gadget {}\n"},
  };
  ClassList classes;
  Output out;
  EXPECT_EQ(resolve(sources, classes, out),
            "cipher.AESCipher class < javax.crypto.CipherSpi\n"
            "cipher.AESCipher.AES128 class < cipher.AESCipher.OidImpl\n"
            "cipher.AESCipher.OidImpl class < cipher.AESCipher\n"
            "app.Canvas class : app.Shapes\n"
            "app.Canvas.Big class < app.Shapes.Circle\n"
            "javax.crypto.CipherSpi class ?\n"
            "java.lang.Comparable interface ?\n"
            "app.Deep class < p2.Node.Inner\n"
            "app.Demand class < p2.Node : p2.Node.Visitor : java.util.Map.Entry\n"
            "java.lang.Enum class ?\n"
            "java.lang.Exception class ?\n"
            "Gadget interface ?\n"
            "p3.Host class\n"
            "p3.Host..A class\n"
            "p3.Host..B class < p3.Host..A\n"
            "p3.Host.Child class < p3.Host.Node\n"
            "p3.Host.Node class\n"
            "p3.Leaf class < p3.Node\n"
            "Loose class < java.lang.Exception : Gadget\n"
            "java.util.Map.Entry interface ?\n"
            "tests.MyTest class < java.lang.Exception\n"
            "p1.Node class\n"
            "p2.Node class\n"
            "p3.Node class\n"
            "p2.Node.Inner class\n"
            "p2.Node.Visitor interface\n"
            "java.lang.Record class ?\n"
            "java.lang.Runnable interface ?\n"
            "app.Shapes interface | app.Shapes.Circle | app.Square\n"
            "app.Shapes.Circle class : app.Shapes\n"
            "app.Single class < p1.Node\n"
            "app.Square record < java.lang.Record : app.Shapes : java.lang.Comparable\n"
            "app.Tone enum < java.lang.Enum\n"
            "tests.View class < org.junit.Widget : java.lang.Runnable\n"
            "app.Walker class < p2.Node\n"
            "app.Walker.Step class < p2.Node.Inner : p2.Node.Visitor\n"
            "org.junit.Widget class ?\n");
}

}  // namespace

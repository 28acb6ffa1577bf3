import java.io.DataInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.URI;
import java.nio.file.FileSystem;
import java.nio.file.FileSystems;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.TreeSet;
import java.util.regex.Pattern;
import java.util.stream.Stream;

/**
 * Lists what the running JDK's java.base module really declares: one line per
 * top-level or member type whose source file exists under the given source
 * root, sorted, tab-separated:
 *
 * <pre>qualified name, kind, superclass, interfaces, top|member, source file</pre>
 *
 * The superclass is "-" for interfaces and the interfaces a comma-separated
 * sorted list or "-". Classes are loaded without initialisation and read by
 * reflection; the source file is taken from the class file's SourceFile
 * attribute, so a second top-level class of a file is found under that file.
 *
 * Usage: java ListTypes.java SOURCE-ROOT (the unzipped java.base directory).
 */
public class ListTypes {
  public static void main(String[] args) throws IOException {
    if (args.length != 1) {
      System.err.println("usage: java ListTypes.java UNZIPPED-JAVA.BASE-DIRECTORY");
      System.exit(2);
    }
    Path sources = Path.of(args[0]);
    FileSystem jrt = FileSystems.getFileSystem(URI.create("jrt:/"));
    Path module = jrt.getPath("/modules/java.base");
    List<Path> classFiles = new ArrayList<>();
    try (Stream<Path> walk = Files.walk(module)) {
      walk.filter(p -> p.toString().endsWith(".class")).forEach(classFiles::add);
    }
    TreeSet<String> lines = new TreeSet<>();
    int failed = 0;
    for (Path file : classFiles) {
      String relative = module.relativize(file).toString();
      if (relative.equals("module-info.class")) continue;
      String binaryName = relative.substring(0, relative.length() - 6).replace('/', '.');
      Class<?> type;
      try {
        type = Class.forName(binaryName, false, null);
      } catch (ClassNotFoundException | LinkageError e) {
        System.err.println("ListTypes: cannot load " + binaryName + ": " + e);
        failed++;
        continue;
      }
      // Anonymous, local and synthetic classes and everything nested in them
      // have no canonical name; the source's reader has its own rules for those.
      if (type.isSynthetic() || type.getCanonicalName() == null) continue;
      String name = type.getCanonicalName();
      boolean member = type.getEnclosingClass() != null;
      int slash = relative.lastIndexOf('/');
      String directory = slash < 0 ? "" : relative.substring(0, slash + 1);
      String sourceFile = sourceFileOf(file);
      if (sourceFile == null || !sourceFile.endsWith(".java")) {
        // The link step regenerates a few classes (holders of pregenerated
        // code, the system module map) without their source's attributes,
        // nesting included. Count one only where its source declares it.
        String simple = binaryName.substring(binaryName.lastIndexOf('.') + 1);
        int dollar = simple.indexOf('$');
        sourceFile = (dollar < 0 ? simple : simple.substring(0, dollar)) + ".java";
        Path source = sources.resolve(directory + sourceFile);
        String declared = simple.substring(simple.lastIndexOf('$') + 1);
        if (!Files.isRegularFile(source)
            || !Pattern.compile("\\b(class|interface|enum|record) " + Pattern.quote(declared) + "\\b")
                    .matcher(Files.readString(source)).find()) {
          continue;
        }
        name = binaryName.replace('$', '.');
        member = dollar >= 0;
      }
      // Classes generated at build time have no file among the sources.
      if (!Files.isRegularFile(sources.resolve(directory + sourceFile))) continue;
      Class<?> parent = type.getSuperclass();
      TreeSet<String> interfaces = new TreeSet<>();
      for (Class<?> i : type.getInterfaces()) interfaces.add(nameOf(i));
      lines.add(String.join("\t",
          name,
          kindOf(type),
          type.isInterface() || parent == null ? "-" : nameOf(parent),
          interfaces.isEmpty() ? "-" : String.join(",", interfaces),
          member ? "member" : "top",
          directory + sourceFile));
    }
    StringBuilder out = new StringBuilder();
    for (String line : lines) out.append(line).append('\n');
    System.out.print(out);
    System.err.println("ListTypes: " + lines.size() + " types with sources among "
        + classFiles.size() + " class files of java.base, " + failed + " not loadable");
    if (failed > 0) System.exit(1);
  }

  private static String kindOf(Class<?> type) {
    if (type.isAnnotation()) return "annotation";
    if (type.isInterface()) return "interface";
    if (type.isEnum()) return "enum";
    if (type.isRecord()) return "record";
    return "class";
  }

  /** A parent without canonical name (no source can name one) keeps its binary name. */
  private static String nameOf(Class<?> type) {
    String canonical = type.getCanonicalName();
    return canonical != null ? canonical : type.getName();
  }

  /** The SourceFile attribute of a class file, or null when it has none. */
  private static String sourceFileOf(Path classFile) throws IOException {
    try (InputStream stream = Files.newInputStream(classFile);
        DataInputStream in = new DataInputStream(stream)) {
      if (in.readInt() != 0xCAFEBABE) throw new IOException("not a class file: " + classFile);
      in.readInt(); // minor and major version
      int count = in.readUnsignedShort();
      String[] utf8 = new String[count];
      for (int i = 1; i < count; i++) {
        int tag = in.readUnsignedByte();
        switch (tag) {
          case 1 -> utf8[i] = in.readUTF();
          case 7, 8, 16, 19, 20 -> in.skipNBytes(2);
          case 15 -> in.skipNBytes(3);
          case 3, 4, 9, 10, 11, 12, 17, 18 -> in.skipNBytes(4);
          case 5, 6 -> { in.skipNBytes(8); i++; } // eight-byte constants take two slots
          default -> throw new IOException("constant tag " + tag + " in " + classFile);
        }
      }
      in.skipNBytes(6); // access flags, this class, super class
      in.skipNBytes(2L * in.readUnsignedShort()); // interfaces
      for (int members = 0; members < 2; members++) { // fields, then methods
        int n = in.readUnsignedShort();
        for (int i = 0; i < n; i++) {
          in.skipNBytes(6);
          skipAttributes(in);
        }
      }
      int attributes = in.readUnsignedShort();
      for (int i = 0; i < attributes; i++) {
        String name = utf8[in.readUnsignedShort()];
        int length = in.readInt();
        if ("SourceFile".equals(name)) return utf8[in.readUnsignedShort()];
        in.skipNBytes(length);
      }
      return null;
    }
  }

  private static void skipAttributes(DataInputStream in) throws IOException {
    int n = in.readUnsignedShort();
    for (int i = 0; i < n; i++) {
      in.skipNBytes(2);
      in.skipNBytes(in.readInt() & 0xFFFFFFFFL);
    }
  }
}

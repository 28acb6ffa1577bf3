package com.acme.text;

/** Source templates for the code generator. */
public class Templates {
    static final String CLASS_TEMPLATE = """
        package %s;

        /* generated */
        public class X extends Y {
            String name = "%s";   // a "quoted" name; not a statement
            char c = '"';
        }
        """;

    static final String ESCAPED = """
        a text block may hold \""" and \\ and "" without ending
        """ + "{";

    public static class Renderer extends AbstractRenderer<Templates> {
        String render(String pkg) {
            return CLASS_TEMPLATE.formatted(pkg, """
                inline""");
        }
    }

    abstract static class Cache implements Iterable<String> {
    }
}

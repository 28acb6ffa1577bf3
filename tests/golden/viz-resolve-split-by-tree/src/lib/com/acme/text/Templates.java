package com.acme.text;

/** Source templates; none of the text below is a declaration. */
public class Templates {
    static final String CLASS = """
        class Fake extends Nothing {
            // "\""" quotes inside
        }
        """;
    static final char QUOTE = '"';
    static final String ESCAPED = "class \"Nope\" extends Nothing {";

    /** Words that Java reads as keywords in some places only. */
    Object record = null;
    String sealed = "yes";
    int permits = 3;

    void record(int x) {
        var yield = record.toString();
        sealed = yield + permits;
        Runnable task = () -> {
            record Pair(String left, String right) {
            }
            new Pair(sealed, yield);
        };
    }
}

package com.acme.text;

import java.util.ArrayList;
import java.util.List;

public class Lexer {
    private static final String BACKSLASH = "\\";

    public static class Token implements Comparable<Token> {
        public int compareTo(Token other) { return 0; }
    }

    List<String> split(String line) {
        List<String> words = new ArrayList<>();
        StringBuilder word = new StringBuilder();
        for (char c : line.toCharArray()) {
            switch (c) {
                case '\\':
                    word.append(BACKSLASH);
                    break;
                case '"':
                    word.append("\"");
                    break;
                default:
                    word.append(c);
            }
        }
        words.add(word.toString());
        return words;
    }

    protected static final class EscapeError extends IllegalStateException {
    }
}

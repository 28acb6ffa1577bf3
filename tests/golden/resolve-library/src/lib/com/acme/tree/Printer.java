package com.acme.tree;

/**
 * Prints a tree. Its walker extends Visitor, a member type that Printer
 * inherits from com.acme.model.Node through com.acme.tree.Node.
 */
public class Printer extends Node {
    final class Walk extends Visitor<String> {
        @Override
        public String visit(com.acme.model.Node node) {
            return node.toString();
        }
    }

    static class Cursor extends Position implements Cloneable {
    }
}

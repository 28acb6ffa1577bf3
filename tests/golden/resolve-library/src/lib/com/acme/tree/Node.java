package com.acme.tree;

/** A node of a syntax tree. */
public class Node extends com.acme.model.Node {
    @Override
    public <R> R accept(Visitor<R> visitor) {
        return visitor.visit(this);
    }
}

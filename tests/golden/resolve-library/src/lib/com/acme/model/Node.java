/*
 * Copyright (c) Acme. All rights reserved.
 */
package com.acme.model;

import java.util.List;

/** The base of every node of a document. */
public abstract class Node implements Comparable<Node> {

    /** Visits the nodes of a tree; see {@link Node#accept}. */
    public static abstract class Visitor<R> {
        public abstract R visit(Node node);
    }

    protected static class Position {
        int line, column;
    }

    public abstract <R> R accept(Visitor<R> visitor);

    @Override
    public int compareTo(Node other) {
        return 0;
    }
}

package com.acme.graph;

import java.util.ArrayList;
import java.util.List;

/** A vertex of a directed graph. */
public class Node<T> implements Iterable<Node<T>> {
    private final List<Node<T>> successors = new ArrayList<>();

    public java.util.Iterator<Node<T>> iterator() {
        return successors.iterator();
    }
}

package com.acme.tree;

public final class Leaf extends Node {
    private final String text;

    public Leaf(String text) {
        this.text = text;
    }
}

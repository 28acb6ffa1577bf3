package com.acme;

public interface Drawable extends Visible, Comparable<Drawable> {
    void draw();
}

package com.acme;
/** A shape. */
@Deprecated
public abstract class Shape<T> extends Base implements Comparable<Shape<T>>, Serializable {
    static class Inner extends Shape<Integer> { }
    void f() { class Local { } }
}

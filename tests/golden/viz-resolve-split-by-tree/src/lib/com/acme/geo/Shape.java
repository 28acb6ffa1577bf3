package com.acme.geo;

/** Every shape the library draws. */
public sealed interface Shape permits Point, Circle, Polygon {
    double area();
}

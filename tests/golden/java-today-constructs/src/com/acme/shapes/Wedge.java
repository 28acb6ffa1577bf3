package com.acme.shapes;

/** Open again below the sealed polygon: anyone may extend a wedge. */
public non-sealed class Wedge extends Polygon {
    public double area() { return 0.25; }
}

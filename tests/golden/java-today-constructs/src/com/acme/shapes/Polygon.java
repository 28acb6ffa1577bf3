package com.acme.shapes;

import java.io.Serializable;

public abstract sealed class Polygon extends Figure
        implements Shape, Serializable
        permits Square, Triangle, Wedge {
}

final class Square extends Polygon {
    public double area() { return 1; }
}

non-sealed class Triangle extends Polygon {
    public double area() { return 0.5; }
}

package com.acme.shapes;

public sealed interface Shape
        permits Circle, Polygon {
    double area();
}

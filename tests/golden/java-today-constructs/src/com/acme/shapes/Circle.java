package com.acme.shapes;

public final class Circle implements Shape {
    public double area() { return 3.14; }
}

package com.acme.geo;

import com.acme.text.Exported;

@Exported("point") @SuppressWarnings({"unused", "rawtypes"})
public record Point(double x, double y) implements Shape, Comparable<Point> {
    public double area() {
        return 0;
    }

    public int compareTo(Point other) {
        return Double.compare(x, other.x);
    }
}

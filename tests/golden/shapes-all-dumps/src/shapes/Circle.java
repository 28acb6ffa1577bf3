package com.acme;

@Entity
public final class Circle extends Shape<Double> implements Drawable {
    private double radius;
}

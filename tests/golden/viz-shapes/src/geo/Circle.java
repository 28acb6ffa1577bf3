package geo;

public class Circle extends Shape implements Comparable<Circle> {
}

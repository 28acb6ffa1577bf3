package geo;

public abstract class Polygon extends Shape {
}

class Triangle extends Polygon {
}

final class Square extends Polygon implements Comparable<Square> {
}

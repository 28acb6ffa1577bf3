package geo;

/** Abstract parent of two shapes; its nested class implements a dotted interface. */
public abstract class Shape {
    public static class Outline implements java.io.Serializable {
    }
}

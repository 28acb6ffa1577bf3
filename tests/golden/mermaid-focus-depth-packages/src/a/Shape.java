package a;

public interface Shape {
}

package app;
public interface B extends A {
}

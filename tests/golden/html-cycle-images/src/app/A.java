package app;
public interface A extends Root, B {
}

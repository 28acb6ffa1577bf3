package a;

public class Base {
}

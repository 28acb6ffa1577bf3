package app;
public class Cat extends Animal {
}

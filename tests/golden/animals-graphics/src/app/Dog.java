package app;
public class Dog extends Animal implements Pet {
}

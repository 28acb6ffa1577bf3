package test;
public class AnimalTest extends Animal {
}

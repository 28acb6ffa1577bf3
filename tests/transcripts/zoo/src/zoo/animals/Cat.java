package zoo.animals;

public class Cat extends Animal implements Pet {
}

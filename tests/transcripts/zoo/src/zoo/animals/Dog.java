package zoo.animals;

public class Dog extends Animal implements Pet {
    public static final class Puppy extends Dog {
    }
}

class Wolf extends Dog {
}

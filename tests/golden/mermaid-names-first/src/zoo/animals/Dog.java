package zoo.animals;

public class Dog extends Animal implements Pet {
    public String sound() { return "woof"; }

    /* A puppy is a small dog. */
    public static final class Puppy extends Dog {
    }
}

/** Not public: only shown with -A. */
class Wolf extends Dog {
}

package zoo.animals;

/** Every creature in the zoo. */
public abstract class Animal implements Comparable<Animal> {
    /** Where an animal sleeps; nested classes are named after their outer class. */
    public static class Habitat {
    }

    public abstract String sound();

    @Override
    public int compareTo(Animal other) {
        return sound().compareTo(other.sound());
    }
}

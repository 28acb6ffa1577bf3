package zoo.animals;

import zoo.Zoo;

public abstract class Animal extends Zoo implements Comparable<Animal> {
    public static class Habitat {
    }
}

package zoo.animals;

public interface Named {
    String name();
}

package zoo.animals;

public interface Pet extends Named {
}

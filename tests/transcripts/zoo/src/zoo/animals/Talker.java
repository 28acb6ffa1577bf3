package zoo.animals;

public interface Talker extends Named {
}

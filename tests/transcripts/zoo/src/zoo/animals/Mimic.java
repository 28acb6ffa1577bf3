package zoo.animals;

/** Below the diamond: repeated under each of Companion's parents. */
public interface Mimic extends Companion {
}

package zoo.animals;

/** Both a pet and a talker: a diamond over Named. */
public interface Companion extends Pet, Talker {
}

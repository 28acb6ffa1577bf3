package zoo;

/** The root of the zoo's own classes. */
public class Zoo {
}

package legacy;

/** The old tree node, kept for the file importer. */
@Deprecated
public class Node implements Cloneable {
}

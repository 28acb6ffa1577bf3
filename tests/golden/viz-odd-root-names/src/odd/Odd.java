package odd;

// Unbalanced generic brackets leave "<", "," and ">" in the parents' names.
public class Open extends Base<Key, Value {
}

public class Close extends Tail> {
}

public class Outer {
    public static class Inner {
    }
}

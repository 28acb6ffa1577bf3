package zoo.util;

import java.util.Map;
import java.util.TreeMap;

public class Registry<K> {
    private final Map<String, K> entries = new TreeMap<>();
}

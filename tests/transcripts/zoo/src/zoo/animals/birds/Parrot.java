package zoo.animals.birds;

import zoo.animals.Companion;

public class Parrot extends Bird implements Companion {
}

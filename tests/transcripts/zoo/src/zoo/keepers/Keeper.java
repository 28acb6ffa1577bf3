package zoo.keepers;

import zoo.Zoo;

public class Keeper extends Zoo {
}

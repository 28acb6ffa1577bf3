package zoo.keepers;

import java.util.ArrayList;
import java.util.List;
import zoo.animals.Animal;
import zoo.util.Registry;

public class Keeper<T extends Animal> extends Registry<T> {
    private final List<T> charges = new ArrayList<>();

    public void feed() {
        class Meal {
        }
        new Meal();
    }
}

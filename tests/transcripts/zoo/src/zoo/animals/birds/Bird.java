package zoo.animals.birds;

import zoo.animals.Animal;

public class Bird extends Animal {
}

package zoo.cats;

import zoo.Animal;

public class Cat extends Animal {}

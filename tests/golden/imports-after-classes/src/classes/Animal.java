package zoo;

import java.util.List;

public class Animal {
  List<Animal> young;
}

class Keeper extends Animal {}

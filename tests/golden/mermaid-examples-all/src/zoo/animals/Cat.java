package zoo.animals;

@Deprecated
public class Cat extends Animal implements Pet, java.io.Serializable {
    public String sound() { return "meow; {purr}"; }
}

package zoo;
public class Cat extends Animal {
}

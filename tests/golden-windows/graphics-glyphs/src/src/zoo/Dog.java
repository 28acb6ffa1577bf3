package zoo;
public class Dog extends Animal {
}

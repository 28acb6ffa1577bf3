package app.Deep;
public class Bat extends Animal {
}

package app.sub;
public class Fish extends Animal {
}

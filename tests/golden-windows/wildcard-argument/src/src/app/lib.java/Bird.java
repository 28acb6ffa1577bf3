package app.lib;
public class Bird extends Animal {
}

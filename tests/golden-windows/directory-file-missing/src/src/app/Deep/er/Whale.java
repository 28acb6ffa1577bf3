package app.Deep.er;
public class Whale extends Animal {
}

package test;
public class Helper extends Animal {
}

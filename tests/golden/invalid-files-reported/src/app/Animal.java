package app;
public class Animal {
}

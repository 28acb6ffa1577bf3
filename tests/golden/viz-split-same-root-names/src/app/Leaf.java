package app;

public class Leaf extends Node {
}

package app;

/** A node of the new scene graph. */
public class Node {
    public static class Group extends Node {
    }
}

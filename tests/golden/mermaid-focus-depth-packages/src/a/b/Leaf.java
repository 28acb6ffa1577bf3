package a.b;

public class Leaf extends Mid {
}

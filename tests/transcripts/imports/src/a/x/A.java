package a.x;

import b.B;
import c.C;

public class A {
}

package b.y;

import c.C;
import a.A;

public class B {
}

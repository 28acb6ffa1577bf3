package d.w;

import a.A;
import b.B;

public class D {
}

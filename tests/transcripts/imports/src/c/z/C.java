package c.z;

import a.A;
import java.util.List;

public class C {
}

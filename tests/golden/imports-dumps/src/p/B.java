package p;
import static x.Y.z;
import x.Y;
import x.Y.*;

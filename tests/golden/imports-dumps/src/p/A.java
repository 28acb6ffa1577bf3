package p;
import x.Y;

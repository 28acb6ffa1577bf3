package a.b;

import a.Base;
import a.Shape;

public class Mid extends Base implements Shape {
}

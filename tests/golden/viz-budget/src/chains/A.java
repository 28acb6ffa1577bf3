package chains;
public class A {}
class A1 extends A {}
class A2 extends A1 {}
class A3 extends A2 {}
class A4 extends A3 {}
class A5 extends A4 {}
class A6 extends A5 {}
class A7 extends A6 {}
class A8 extends A7 {}

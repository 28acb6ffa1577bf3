public class Loop extends Loop { }
public class Root { }
public class A extends Root { }
public class B extends A { }
public class A extends B { }
public class X extends Y { }
public class Y extends X { }

package chains;
public class B {}
class B1 extends B {}
class B2 extends B1 {}
class B3 extends B2 {}
class B4 extends B3 {}

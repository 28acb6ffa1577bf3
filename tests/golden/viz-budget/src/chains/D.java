package chains;
public class D {}
class D1 extends D {}
class D2 extends D1 {}
class D3 extends D2 {}
class D4 extends D3 {}
class D5 extends D4 {}
class D6 extends D5 {}
class D7 extends D6 {}
class D8 extends D7 {}

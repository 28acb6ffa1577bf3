package chains;
public class E {}
class E1 extends E {}
class E2 extends E1 {}

public class A {}

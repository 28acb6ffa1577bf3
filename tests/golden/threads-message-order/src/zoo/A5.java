package zoo;
public class Animal { }
public class Cat extends Animal { }

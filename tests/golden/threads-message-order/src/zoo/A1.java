package zoo;
public class Dog { }

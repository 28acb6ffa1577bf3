package zoo;
public class Animal { }

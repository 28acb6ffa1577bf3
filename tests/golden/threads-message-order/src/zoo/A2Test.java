package zoo;
public class DogTest { }

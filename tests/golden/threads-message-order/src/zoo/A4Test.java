package zoo;
public class AnimalTest { }

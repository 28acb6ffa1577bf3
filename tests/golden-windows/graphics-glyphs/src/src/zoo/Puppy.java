package zoo;
public class Puppy extends Dog {
}

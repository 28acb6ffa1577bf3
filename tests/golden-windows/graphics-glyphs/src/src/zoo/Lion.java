package zoo;
public class Lion extends Cat {
}

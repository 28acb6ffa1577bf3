package zoo;
public class Tiger extends Cat {
}

public class Inner {
}

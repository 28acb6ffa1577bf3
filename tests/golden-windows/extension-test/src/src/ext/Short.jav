public class Short {
}

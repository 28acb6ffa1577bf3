public class Free extends Base implements Shape {
}

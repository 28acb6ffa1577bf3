public class Foo {
}

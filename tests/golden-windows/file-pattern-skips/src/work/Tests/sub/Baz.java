public class Baz extends Foo {
}

public class FooTest extends Foo {
}

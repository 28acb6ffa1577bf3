public class Bar extends Foo {
}

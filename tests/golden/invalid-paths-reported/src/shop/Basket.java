package shop;

public class Basket extends ItemList implements Iterable<Item> {
}

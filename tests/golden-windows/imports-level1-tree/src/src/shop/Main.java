package shop;

import shop.core.Order;

/** Nothing is left of "shop" at level 1: the import hangs under the name. */
public class Main {
  public static void main(String[] args) { new Order(); }
}

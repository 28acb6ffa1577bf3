package shop.model;

import static java.util.Objects.requireNonNull;

public class Customer {
  Customer(String name) { requireNonNull(name); }
}

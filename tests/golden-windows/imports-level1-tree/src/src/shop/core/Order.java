package shop.core;

import java.util.List;
import java.util.Map;
import shop.model.*;

public class Order {
  private List<Item> items;
  private Map<String, Customer> owners;
}

package shop.model;

import java.math.BigDecimal;

public class Item {
  BigDecimal price;
}

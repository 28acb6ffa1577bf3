// A comment before the package statement.
package shop.core;

import java.time.LocalDate;
import shop.model.Item;

class Invoice {
  LocalDate date;
  Item first;
}

/** A file without a package statement. */
public class Visitor implements Runnable {
    public void run() {
    }
}

class Guide extends Visitor {
}

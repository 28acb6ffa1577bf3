package zoo.keepers;

public final class HeadKeeper extends Keeper implements Runnable {
    public void run() {
    }
}

package zoo.keepers;

import zoo.animals.*;

public final class HeadKeeper extends Keeper<Animal> implements Runnable {
    public void run() {
    }
}

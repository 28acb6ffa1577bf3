package hostile;

public class Base {
}

public interface Marker {
}

public class Ctl<AB> extends Base {
}

@Xâ‚ public class Broken extends Base {
}

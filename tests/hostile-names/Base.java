package hostile;

public class Base {
}

public interface Marker {
}

public class Ctl<AB> extends Base {
}

@Xâ‚ public class Broken extends Base {
}

public class __Init__ extends Base {
}

public class o extends __Init__ implements Marker {
}

public class note extends o {
}

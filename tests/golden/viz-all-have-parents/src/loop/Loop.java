package loop;

public class First extends Second {
}

public class Second extends First {
}

package hostile.ünï;

public class Käse extends Base {
}

public class Plain_Name$ extends Base {
}

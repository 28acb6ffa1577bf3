package hostile.boxes;

@Tag(x=1) public class Box<T extends Map<String, Q\>> extends Base implements Marker {
}

@a</script>b public class Meta extends Base implements Marker {
}

public class Dollar$Sign extends Base {
}

public class Café extends Base {
}

public class Late extends Outer$Inner {
}

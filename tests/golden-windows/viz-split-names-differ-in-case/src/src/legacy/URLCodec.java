package legacy;

/** The encoder of the first release, kept for old callers. */
@Deprecated
public class URLCodec {
    public static class Options {
    }
}

package codec;

/** Percent-encoding as the current web standard writes it. */
public class UrlCodec implements Codec {
}

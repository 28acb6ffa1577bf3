package com.acme.store;

import org.jspecify.annotations.Nullable;

public class ByteStore implements KeyValueStore<Bytes, byte[]>, Holder<? extends Number> {

    static class Flags extends AbstractConverter<String, @Nullable Boolean>
            implements Converter<String, @Nullable Boolean> {
    }

    public static class Matrix extends Grid<int[][]> implements Comparable<Matrix> {
        public int compareTo(Matrix other) { return 0; }
    }
}

package com.acme.geo;

/** Units of length; each constant brings its own factor. */
public enum Unit implements java.io.Serializable {
    METRE {
        double factor() {
            return 1;
        }
    },
    FOOT {
        double factor() {
            class Imperial {
            }
            return 0.3048;
        }
    };

    abstract double factor();
}

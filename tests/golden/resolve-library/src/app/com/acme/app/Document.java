package com.acme.app;

import com.acme.model.*;

/** No Node here: the import on demand supplies it. */
public class Document extends Node implements Runnable {
    public <R> R accept(Visitor<R> visitor) {
        return visitor.visit(this);
    }

    public void run() {
    }
}

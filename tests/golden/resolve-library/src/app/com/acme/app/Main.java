package com.acme.app;

import com.acme.graph.Node;
import com.acme.model.*;

/** Single-type imports win over imports on demand. */
public class Main {
    static class Edge extends Node<String> {
    }

    static class Report extends Document implements Cloneable {
    }

    static class Failure extends Exception {
    }

    public static void main(String[] args) {
        new Edge();
    }
}

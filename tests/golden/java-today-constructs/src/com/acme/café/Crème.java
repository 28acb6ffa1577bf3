package com.acme.café;

public class Crème extends Recette$Base implements Sucrée {

    public interface Sucrée {
    }

    static class Outer$Helper {
    }
}

package test;
public class Walker extends Dog {
}

package app;
public interface Root {
}

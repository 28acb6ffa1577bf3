package util;

public class Node_2 {
}

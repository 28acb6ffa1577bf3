import java.io.File;

class Tool {
  File file;
}

// Run by the launcher as "java -cp . TestJvm <installation directory>" to prove
// that a JVM starts at all and to learn its version: writes java.version as the
// first line of jvmGood.txt in that directory, or in the current directory when
// the argument is missing or the directory cannot be written.
// Built as class-file format 45.3 and kept to what Java 1.1 has (java.lang and
// java.io, String concatenation through StringBuffer), so that every JVM from
// the 1.1 runtimes on loads it.
import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;

public class TestJvm {
    static final String NAME = "jvmGood.txt";

    public static void main(String[] args) {
        String line = System.getProperty("java.version")
                + System.getProperty("line.separator");
        boolean written = false;
        if (args.length > 0 && new File(args[0]).isDirectory()) {
            written = write(new File(args[0], NAME), line);
        }
        if (!written) {
            write(new File(NAME), line);
        }
        System.exit(0);
    }

    static boolean write(File file, String text) {
        FileOutputStream out = null;
        try {
            out = new FileOutputStream(file);
            out.write(text.getBytes());
            out.close();
            out = null;
            return true;
        } catch (IOException e) {
            return false;
        } finally {
            if (out != null) {
                try {
                    out.close();
                } catch (IOException e) {
                    // Nothing more can be done; the caller tries elsewhere.
                }
            }
        }
    }
}

// The demo installation's Java install wizard (install.jar). The launcher runs
// it with the JVM it chose, in the installation directory. It proves its start
// by creating __kivwizard.sem there, reads the native.properties the launcher
// wrote, and shows in a window of its own what it received, with an OK button.
//
// For automated runs, the system property demo.autoClose (seconds) closes the
// window by itself; without a display it prints the same text and ends.
import java.awt.BorderLayout;
import java.awt.Font;
import java.awt.GraphicsEnvironment;
import java.awt.Insets;
import java.io.BufferedReader;
import java.io.File;
import java.io.FileOutputStream;
import java.io.FileReader;
import java.io.IOException;
import java.util.ArrayList;
import java.util.List;
import javax.swing.BorderFactory;
import javax.swing.JButton;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JPanel;
import javax.swing.JScrollPane;
import javax.swing.JTextArea;
import javax.swing.SwingUtilities;
import javax.swing.Timer;
import javax.swing.WindowConstants;

public class DemoWizard {
    static final String TITLE = "Demo install wizard";

    public static void main(String[] args) throws Exception {
        writeFile("__kivwizard.sem", "started\n");
        String text = report(args);
        int autoClose = Integer.getInteger("demo.autoClose", 0);
        try {
            if (GraphicsEnvironment.isHeadless()) {
                throw new IllegalStateException("no display");
            }
            SwingUtilities.invokeAndWait(() -> show(text, autoClose));
        } catch (Throwable e) {
            // A JVM without a display (or without its windowing library) still proves the road.
            System.out.print(text + "\n(no window: " + e + ")\n");
            System.exit(0);
        }
    }

    static String report(String[] args) {
        StringBuilder text = new StringBuilder();
        text.append("The launcher started this wizard with Java ")
            .append(System.getProperty("java.version")).append('\n')
            .append("from ").append(System.getProperty("java.home")).append('\n')
            .append("in ").append(System.getProperty("user.dir")).append('\n');
        String classPath = System.getenv("CLASSPATH");
        text.append("CLASSPATH: ").append(classPath == null ? "not set" : classPath).append("\n\n");
        text.append("Arguments:").append(args.length == 0 ? " none\n" : "\n");
        for (String arg : args) {
            text.append("  ").append(arg).append('\n');
        }
        text.append("\nnative.properties:\n");
        for (String line : readLines("native.properties")) {
            text.append("  ").append(line).append('\n');
        }
        return text.toString();
    }

    static void show(String text, int autoClose) {
        JFrame frame = new JFrame(TITLE);
        frame.setDefaultCloseOperation(WindowConstants.EXIT_ON_CLOSE);
        // Without a window manager the frame has no title bar: the heading names it.
        JLabel heading = new JLabel(TITLE + (autoClose > 0 ? " (closes itself in " + autoClose + " s)" : ""));
        heading.setFont(heading.getFont().deriveFont(Font.BOLD, 14f));
        JTextArea area = new JTextArea(text);
        area.setEditable(false);
        area.setMargin(new Insets(6, 6, 6, 6));
        area.setFont(new Font(Font.MONOSPACED, Font.PLAIN, 12));
        JButton ok = new JButton("OK");
        ok.addActionListener(e -> System.exit(0));
        JPanel buttons = new JPanel();
        buttons.add(ok);
        JPanel content = new JPanel(new BorderLayout(8, 8));
        content.setBorder(BorderFactory.createEmptyBorder(10, 10, 10, 10));
        content.add(heading, BorderLayout.NORTH);
        content.add(new JScrollPane(area), BorderLayout.CENTER);
        content.add(buttons, BorderLayout.SOUTH);
        frame.setContentPane(content);
        frame.pack();
        frame.setLocation(40, 40);
        frame.getRootPane().setDefaultButton(ok);
        frame.setVisible(true);
        if (autoClose > 0) {
            Timer timer = new Timer(autoClose * 1000, e -> System.exit(0));
            timer.setRepeats(false);
            timer.start();
        }
    }

    static List<String> readLines(String name) {
        List<String> lines = new ArrayList<String>();
        try (BufferedReader in = new BufferedReader(new FileReader(name))) {
            for (String line = in.readLine(); line != null; line = in.readLine()) {
                lines.add(line);
            }
        } catch (IOException e) {
            lines.add("(not readable: " + e.getMessage() + ")");
        }
        return lines;
    }

    static void writeFile(String name, String text) throws IOException {
        try (FileOutputStream out = new FileOutputStream(new File(name))) {
            out.write(text.getBytes("US-ASCII"));
        }
    }
}

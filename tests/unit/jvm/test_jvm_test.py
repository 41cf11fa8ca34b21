"""TestJvm.class is of class-file format 45.3 and refers to nothing Java 1.1 lacks; run
verified on the host's JVM, it writes the version line to jvmGood.txt in the given
directory or else in the current one. Usage: test_jvm_test.py <directory with TestJvm.class>"""
import os
import re
import subprocess
import sys
import tempfile

# The members it may refer to, each in the JDK 1.1 API documentation (String.getBytes()
# is marked "since JDK1.1", the rest date from 1.0).
JAVA_1_1 = {
    'java/lang/Object.<init>:()V', 'java/lang/String.valueOf:(Ljava/lang/Object;)Ljava/lang/String;',
    'java/lang/String.getBytes:()[B', 'java/lang/StringBuffer.<init>:(Ljava/lang/String;)V',
    'java/lang/StringBuffer.append:(Ljava/lang/String;)Ljava/lang/StringBuffer;',
    'java/lang/StringBuffer.toString:()Ljava/lang/String;', 'java/lang/System.exit:(I)V',
    'java/lang/System.getProperty:(Ljava/lang/String;)Ljava/lang/String;', 'java/io/File.isDirectory:()Z',
    'java/io/File.<init>:(Ljava/lang/String;)V',
    'java/io/File.<init>:(Ljava/lang/String;Ljava/lang/String;)V',
    'java/io/FileOutputStream.<init>:(Ljava/io/File;)V', 'java/io/FileOutputStream.write:([B)V',
    'java/io/FileOutputStream.close:()V',
}
CLASSES = {member.split('.')[0] for member in JAVA_1_1} | {'java/io/IOException', 'TestJvm'}


def main(classes):
    classes, failures = os.path.abspath(classes), []
    listing = subprocess.run(['javap', '-v', '-cp', classes, 'TestJvm'], capture_output=True, text=True,
                             check=True).stdout
    if not re.search(r'minor version: 3\s+major version: 45\n', listing):
        failures.append('class-file format is not 45.3')
    for kind, reference in re.findall(r'= (Class|\w+ref) +\S+ +// (.*)', listing):
        reference = reference.replace('"', '')
        known = reference in CLASSES if kind == 'Class' else (
            reference in JAVA_1_1 or reference.startswith('TestJvm.'))
        if not known or not set(re.findall(r'L([^;]+);', reference)) <= CLASSES:
            failures.append('refers to %s, which is not on the Java 1.1 list' % reference)

    settings = subprocess.run(['java', '-XshowSettings:properties', '-version'], capture_output=True,
                              text=True)
    version_line = re.search(r'^ *java\.version = (.*)$', settings.stderr, re.M).group(1) + '\n'
    with tempfile.TemporaryDirectory() as work:
        install, cwd, missing = (os.path.join(work, name) for name in ('install', 'cwd', 'missing'))
        os.makedirs(install)
        os.makedirs(cwd)
        for args, written in (([install], install), ([missing], cwd), ([], cwd)):
            run = subprocess.run(['java', '-Xverify:all', '-cp', classes, 'TestJvm'] + args, cwd=cwd,
                                 capture_output=True, text=True)
            path = os.path.join(written, 'jvmGood.txt')
            content = open(path).read() if os.path.exists(path) else None
            if run.returncode != 0 or run.stderr or content != version_line:
                failures.append('with %s: exit %d, %r, jvmGood.txt %r' % (args, run.returncode, run.stderr,
                                                                          content))
            if content is not None:
                os.remove(path)
        if os.path.exists(missing):
            failures.append('the missing directory was created')
    for failure in failures:
        print('FAIL: ' + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))

"""TestJvm.class as every JVM from the 1.1 runtimes on must load it: class-file
format 45.3, nothing referred to beyond what Java 1.1 has, and on the host's JVM,
with every class verified, it writes jvmGood.txt holding exactly the JVM's
version line, in the given directory or else in the current one.
Usage: test_testjvm.py <directory with TestJvm.class>"""
import os
import re
import struct
import subprocess
import sys
import tempfile

# The classes and members the class may refer to, each one that JDK 1.1 has
# (JDK 1.1 API documentation, java.lang and java.io; String.getBytes() is the one
# marked "since JDK1.1", the rest date from 1.0).
JAVA_1_1 = {
    'java/lang/Object': {'<init>()V'},
    'java/lang/String': {'valueOf(Ljava/lang/Object;)Ljava/lang/String;', 'getBytes()[B'},
    'java/lang/StringBuffer': {'<init>(Ljava/lang/String;)V', 'append(Ljava/lang/String;)Ljava/lang/StringBuffer;',
                               'toString()Ljava/lang/String;'},
    'java/lang/System': {'getProperty(Ljava/lang/String;)Ljava/lang/String;', 'exit(I)V'},
    'java/io/File': {'<init>(Ljava/lang/String;)V', '<init>(Ljava/lang/String;Ljava/lang/String;)V',
                     'isDirectory()Z'},
    'java/io/FileOutputStream': {'<init>(Ljava/io/File;)V', 'write([B)V', 'close()V'},
    'java/io/IOException': set(),
}
OWN = 'TestJvm'
SIZES = {3: 4, 4: 4, 5: 8, 6: 8, 7: 2, 8: 2, 9: 4, 10: 4, 11: 4, 12: 4}  # the tags of format 45


def constant_pool(data):
    """The class file's version and its constants, by index: (tag, value)."""
    minor, major, count = struct.unpack('>HHH', data[4:10])
    pool, at, index = {}, 10, 1
    while index < count:
        tag = data[at]
        if tag == 1:
            length = struct.unpack('>H', data[at + 1:at + 3])[0]
            pool[index] = (1, data[at + 3:at + 3 + length].decode('utf-8'))
            at += 3 + length
        elif tag in SIZES:
            if tag in (7, 8):  # a class or string: the index of its name
                pool[index] = (tag, struct.unpack('>H', data[at + 1:at + 3])[0])
            elif tag >= 9:  # a member or name-and-type: two indexes
                pool[index] = (tag, struct.unpack('>HH', data[at + 1:at + 5]))
            else:  # a number
                pool[index] = (tag, None)
            at += 1 + SIZES[tag]
        else:
            raise ValueError('constant tag %d does not exist in class-file format 45' % tag)
        index += 2 if tag in (5, 6) else 1
    return (major, minor), pool


def references(pool):
    """Every class and 'class member(descriptor)' the constants refer to."""
    text = lambda i: pool[i][1]
    found = {text(value) for tag, value in pool.values() if tag == 7}
    for tag, value in pool.values():
        if tag in (9, 10, 11):
            name, descriptor = pool[value[1]][1]
            owner = text(pool[value[0]][1])
            found.add('%s %s%s' % (owner, text(name), text(descriptor)))
            found.update(re.findall(r'L([^;]+);', text(descriptor)))
    return found


def main(classes):
    classes = os.path.abspath(classes)
    failures = []
    with open(os.path.join(classes, 'TestJvm.class'), 'rb') as f:
        version, pool = constant_pool(f.read())
    if version != (45, 3):
        failures.append('class-file format %d.%d, not 45.3' % version)
    known = set(JAVA_1_1) | {'%s %s' % (c, m) for c, members in JAVA_1_1.items() for m in members}
    for reference in sorted(references(pool)):
        if reference != OWN and not reference.startswith(OWN + ' ') and reference not in known:
            failures.append('refers to %s, which is not on the Java 1.1 list' % reference)

    out = subprocess.run(['java', '-XshowSettings:properties', '-version'], capture_output=True, text=True)
    version_line = re.search(r'^ *java\.version = (.*)$', out.stderr, re.M).group(1) + '\n'
    with tempfile.TemporaryDirectory() as work:
        install, cwd = os.path.join(work, 'install'), os.path.join(work, 'cwd')
        os.makedirs(install)
        os.makedirs(cwd)
        for args, written in (([install], install), ([os.path.join(work, 'missing')], cwd), ([], cwd)):
            run = subprocess.run(['java', '-Xverify:all', '-cp', classes, 'TestJvm'] + args, cwd=cwd,
                                 capture_output=True, text=True)
            path = os.path.join(written, 'jvmGood.txt')
            content = open(path).read() if os.path.exists(path) else None
            if run.returncode != 0 or run.stderr or content != version_line:
                failures.append('with %s: exit %d, %r, jvmGood.txt %r' % (args, run.returncode, run.stderr, content))
            if os.path.exists(path):
                os.remove(path)
        if os.path.exists(os.path.join(work, 'missing')):
            failures.append('the missing directory was created')
    for failure in failures:
        print('FAIL: ' + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))

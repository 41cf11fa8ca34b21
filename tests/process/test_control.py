"""The control file and the installation driver's report, as the user and the
installation author see them: boxes, logs and the file left on disk."""
import os
import re
import subprocess
import unittest

from winebed import WineBed

SUFFIX = b'\n\nSee errors.log and jinstall.log files for details.'
DISK_HINT = (b'Are the destination or temporary directories out of disk space?\r\r'
             b'    See errors.log for other possible causes.')
OTHER_CAUSES = (b"Other possible causes for errors:\r\n"
                b"    * Read/write access rights to the 'temp' and installation directories?\r\n"
                b"    * OS need to be patched to run Java apps?\r\n"
                b"    * Anti-virus software installed that won't permit unknonwn executable or JAR "
                b"files to run?")
NO_JRE = b'The correct version of the JRE was not found on your system.'
STAMP = re.compile(rb'^[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123]\d \d\d:\d\d:\d\d \d{4} ', re.M)


def log_lines(bed, name):
    """The file's messages without their time stamps; continuation lines stay with theirs."""
    return STAMP.sub(b'', bed.read(name)).split(b'\r\n')[:-1] if bed.exists(name) else []


def box_texts(run):
    return [box[2] for box in run.boxes]


class MissingControlFile(unittest.TestCase):
    def test_two_boxes_in_order_and_both_texts_in_both_logs(self):
        with WineBed() as bed:
            run = bed.run('')
            self.assertEqual(box_texts(run), [
                b'Unable to open kiv.control' + SUFFIX,
                b'Unable to install application.\r\r' + DISK_HINT + SUFFIX])
            self.assertTrue(all(box[1] == b'Kivrelle Installer: Error' for box in run.boxes))
            failure = [b'unable to get parameters', b'Unable to install application.\r\r' + DISK_HINT]
            failure += OTHER_CAUSES.split(b'\r\n')
            self.assertEqual(log_lines(bed, 'errors.log'), [b'Unable to open kiv.control'] + failure)
            self.assertEqual(log_lines(bed, 'jinstall.log'),
                             [b'got home directory from SystemRoot'] + failure + [b'install ok: false'])
            self.assertFalse(bed.exists('jinstall.sem'))


class LineEnds(unittest.TestCase):
    def test_line_feeds_become_crlf_lone_carriage_returns_join_and_crlf_stays(self):
        cases = [
            (b'jvmName=JRE\njvmVersion=1.3\n', b'jvmName=JRE\r\njvmVersion=1.3\r\n'),
            (b'jvmName=JRE\rjvmVersion=1.3\r\n', b'jvmName=JREjvmVersion=1.3\r\n'),
            (b'jvmName=JRE\r\njvmVersion=1.3\r\n', b'jvmName=JRE\r\njvmVersion=1.3\r\n'),
        ]
        with WineBed() as bed:
            for original, repaired in cases:
                with self.subTest(original=original):
                    bed.write('kiv.control', original)
                    bed.run('')
                    self.assertEqual(bed.read('kiv.control'), repaired)
                    self.assertFalse(bed.exists('__kiv.control'))

    def test_read_only_control_file_is_kept_and_reported(self):
        with WineBed() as bed:
            bed.write('kiv.control', b'jvmName=JRE\n')
            os.chmod(bed.path('kiv.control'), 0o444)
            run = bed.run('')
            self.assertEqual(bed.read('kiv.control'), b'jvmName=JRE\n')
            self.assertFalse(bed.exists('__kiv.control'))
            self.assertEqual(box_texts(run)[0], b'Unable to convert line endings for kiv.control' + SUFFIX)

    def test_full_disk_keeps_the_control_file_whole(self):
        if os.geteuid() != 0:
            self.skipTest('mounting a small tmpfs needs root')
        with WineBed() as bed:
            disk = os.path.join(bed.root, 'small-disk')
            os.makedirs(disk)
            if subprocess.run(['mount', '-t', 'tmpfs', '-o', 'size=512k', 'tmpfs', disk],
                              capture_output=True).returncode != 0:
                self.skipTest('cannot mount a tmpfs here')
            try:
                bed.install_dir = disk
                original = b''.join(b'line %d of the control file\n' % i for i in range(10000))
                bed.write('kiv.control', original)
                bed.stage('')
                with open(os.path.join(disk, 'filler'), 'wb', buffering=0) as filler:
                    try:
                        while True:
                            filler.write(b'\0' * 4096)
                    except OSError:
                        pass
                bed.start('', staged=True)
                run = bed.finish()
                self.assertEqual(bed.read('kiv.control'), original)
                self.assertFalse(bed.exists('__kiv.control'))
                self.assertIn(b'Unable to convert line endings for kiv.control' + SUFFIX, box_texts(run))
            finally:
                subprocess.run(['umount', '-l', disk])


class Values(unittest.TestCase):
    def test_defaults_and_their_trace_when_the_launcher_created_the_log(self):
        with WineBed() as bed:
            bed.write('kiv.control', b'# nothing but a comment\n')
            run = bed.run('')
            self.assertIn(b'Valid version of jrew.exe: 1.1.8', log_lines(bed, 'jinstall.log'))
            self.assertEqual(box_texts(run), [NO_JRE + SUFFIX])
            self.assertIn(b'Please install JRE 1.1.8 and then restart this installation program.',
                          log_lines(bed, 'errors.log'))

    def test_a_log_that_was_there_before_keeps_the_console_program_and_gets_the_separator(self):
        with WineBed() as bed:
            bed.write('jinstall.log', b'')
            bed.write('kiv.control', b'jvmCommandName=Java\njvmMinVersion=1.2\n')
            bed.run('')
            lines = log_lines(bed, 'jinstall.log')
            self.assertEqual(lines[:2], [b'', b'Preparing Java install wizard'])
            self.assertIn(b'Valid versions of java.exe: 1.2 through ', lines)
            self.assertFalse(bed.exists('jinstall.sem'))

    def test_hostile_control_files_end_in_the_normal_report_and_lose_nothing(self):
        junk = bytes((i * 37 + 11) % 256 for i in range(20000))
        cases = {
            'a 1 MB line cut at the capacity': (b'jvmName=' + b'A' * 1000000 + b'\n',
                                               b'The correct version of the ' + b'A' * 200),
            'NUL bytes end a value': (b'jvmName=Sun\0JRE\n\0\0\0\n', b'The correct version of the Sun '),
            'binary junk': (junk, NO_JRE),
            '10 000 keys': (b''.join(b'jvmName=N%d\n' % i for i in range(10000)),
                            b'The correct version of the N9999 '),
        }
        with WineBed() as bed:
            for name, (content, shown) in cases.items():
                with self.subTest(name):
                    bed.write('kiv.control', content)
                    run = bed.run('')
                    self.assertEqual(len(run.boxes), 1)
                    self.assertTrue(run.boxes[0][2].startswith(shown), run.boxes[0][2][:80])
                    expected = content.replace(b'\r', b'').replace(b'\n', b'\r\n')
                    self.assertEqual(bed.read('kiv.control'), expected)


if __name__ == '__main__':
    unittest.main()

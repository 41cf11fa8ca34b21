"""The control file as the user and the installation author meet it: a missing one,
one that cannot be replaced, and hostile content, whose line ends are repaired on disk."""
import os
import subprocess
import unittest

from winebed import DISK_HINT, NO_JRE_BOX, OTHER_CAUSES, SUFFIX, VERSION_LINE, WineBed, read_record


class ControlFile(unittest.TestCase):
    def test_missing_control_file_gives_two_boxes_in_order_and_both_texts_in_both_logs(self):
        with WineBed() as bed:
            bed.write('install.jar', b'PK')
            run = bed.run('')
            self.assertEqual(run.texts, [b'Unable to open kiv.control' + SUFFIX,
                                         b'Unable to install application.\r\r' + DISK_HINT + SUFFIX])
            self.assertEqual([box[1] for box in run.boxes], [b'Kivrelle Installer: Error'] * 2)
            failure = [b'unable to get parameters', b'Unable to install application.\r\r' + DISK_HINT]
            failure += OTHER_CAUSES
            self.assertEqual(bed.log('errors.log'), [b'Unable to open kiv.control'] + failure)
            # The log the launcher made begins with the build's version.
            self.assertEqual(bed.log('jinstall.log'), [VERSION_LINE, b'got home directory from SystemRoot'] +
                             failure + [b'install ok: false'])
            self.assertEqual(bed.existing('jinstall.sem', 'install.jar', '__kiv.control', '__kivinstall.sem',
                                          '__kivshow.sem'), [])

    # The repair never stops an installation that can be read: a read-only control file (copied
    # from a CD) or a copy that a full disk cuts short is kept and read as it is. Only where the
    # copy cannot even be made (a read-only directory) is the failure reported; there the
    # semaphore files cannot be made either, and the main thread must still wait for the worker,
    # or the process ends before its box.
    def test_a_control_file_that_cannot_be_replaced_is_kept_whole(self):
        original = b''.join(b'line %d of the control file\n' % i for i in range(10000))
        rows = [('read-only directory', b'Unable to convert line endings for kiv.control' + SUFFIX),
                ('full disk', NO_JRE_BOX)]
        for how, box in rows:
            with self.subTest(how), WineBed() as bed:
                if os.geteuid() != 0 or subprocess.run(
                        ['mount', '-t', 'tmpfs', '-o', 'size=1m', 'tmpfs', bed.install_dir]).returncode != 0:
                    self.skipTest('mounting a small tmpfs needs root')
                try:
                    bed.write('kiv.control', original)
                    bed.write('jinstall.log', b'')
                    bed.stage('')
                    if how == 'read-only directory':
                        subprocess.run(['mount', '-o', 'remount,ro', bed.install_dir], check=True)
                    else:
                        subprocess.run(['dd', 'if=/dev/zero', 'of=' + bed.path('fill')], capture_output=True)
                    bed.start('', staged=True)
                    bed.process.wait(timeout=60)
                    if how == 'read-only directory':
                        subprocess.run(['mount', '-o', 'remount,rw', bed.install_dir], check=True)
                    run = bed.finish()
                    self.assertEqual(bed.read('kiv.control'), original)
                    self.assertEqual([d for d, _, files in os.walk(bed.root) if '__kiv.control' in files], [])
                    self.assertEqual(run.texts[0], box)
                finally:
                    subprocess.run(['umount', '-l', bed.install_dir])

    def test_a_read_only_control_file_with_line_feeds_is_kept_and_runs_the_wizard_with_its_values(self):
        with WineBed() as bed:
            bed.found_jvm('loaderJavaCommand=com.example.Wizard -cd\n')
            control = bed.read('kiv.control')
            os.chmod(bed.path('kiv.control'), 0o444)
            self.assertEqual(bed.run('').boxes, [])
            record = read_record(bed.path('wizard-run.txt'))
            self.assertTrue(record[b'cmdline'].endswith(b' com.example.Wizard -cd'), record[b'cmdline'])
            self.assertEqual(bed.read('kiv.control'), control)
            self.assertEqual([d for d, _, files in os.walk(bed.root) if '__kiv.control' in files], [])
            self.assertIn(b'kiv.control read as it is, its line ends not repaired: the file is read-only',
                          bed.log('jinstall.log'))

    def test_hostile_control_files_end_in_the_normal_report_and_lose_nothing(self):
        junk = bytes((i * 37 + 11) % 256 for i in range(20000))  # with lone carriage returns
        cases = {
            'a 1 MB line cut at the capacity': (b'jvmName=' + b'A' * 1000000 + b'\n',
                                               b'The correct version of the ' + b'A' * 200),
            'NUL bytes end a value': (b'jvmName=Sun\0JRE\r\n\0\0\0\n', b'The correct version of the Sun '),
            'binary junk': (junk, NO_JRE_BOX),
            '10 000 keys': (b''.join(b'jvmName=N%d\n' % i for i in range(10000)),
                            b'The correct version of the N9999 '),
        }
        with WineBed() as bed:
            for name, (content, shown) in cases.items():
                with self.subTest(name):
                    bed.write('kiv.control', content)
                    run = bed.run('')
                    self.assertEqual(len(run.boxes), 1)
                    self.assertTrue(run.texts[0].startswith(shown), run.texts[0][:80])
                    expected = content.replace(b'\r', b'').replace(b'\n', b'\r\n')
                    self.assertEqual(bed.read('kiv.control'), expected)

    # A misspelt key, or blanks before a key's "=", change nothing but the trace: one line each,
    # numbered as the file's lines, a long line's tail included in its line.
    def test_unknown_keys_and_blanks_before_the_sign_are_traced_by_their_line(self):
        with WineBed() as bed:
            bed.installation('# Acme\n\njvmMinVerison=17\nloaderJavaCommand=' + 'J' * 1500 + '\njvmArch = x64\n'
                             'jvmVersion=1.4.2\n', trace=True)
            self.assertEqual(bed.run('').texts, [NO_JRE_BOX])
            self.assertEqual([line for line in bed.log('jinstall.log') if line.startswith(b'kiv.control line')], [
                b'kiv.control line 3: unknown key "jvmMinVerison", the launcher ignores the line',
                b'kiv.control line 5: blanks between the key jvmArch and its "=": its value is read as "= x64"'])
            self.assertIn(b'Valid version of jre.exe: 1.4.2', bed.log('jinstall.log'))

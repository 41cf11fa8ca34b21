"""Clean-up after the wizard: the files the manifest names, a temporary JVM the
wizard names, and logs for a start directory that takes none; never anything
outside the installation or beyond the JVM named, whatever junk names it."""
import os
import subprocess
import unittest

from winebed import NO_JRE_BOX, VERSION_LINE, WineBed, read_record


def found_jvm(bed, *appended):
    """A JVM on the machine whose wizard appends these lines to native.properties."""
    bed.found_jvm(config='version=1.3.1\n' + ''.join('append=%s\n' % line for line in appended))


def local(bed, path):
    """A path of the tables: C:/... on the bed's drive, {install}/... in the installation."""
    return path.replace('{install}', bed.install_dir) if path.startswith('{') else bed.drive_c(path[3:])


class CleanUp(unittest.TestCase):
    def test_manifest_names_delete_only_their_own_files_inside_the_installation_whatever_the_junk(self):
        with WineBed() as bed:
            outside = os.path.join(bed.root, 'outside.txt')
            for name in (outside, bed.drive_c('userdata', 'precious.txt'), 'lib/a.class', 'x', 'b.class', 'kept.class'):
                bed.write(name, 'mine')
            found_jvm(bed, 'nativeJvmInstalledInTemp=true', 'nativeTempJvmDir=C:/userdata/' + 'x' * 3000,
                      'nativeJvmHomeDir=' + '\\' * 3000, '\xff\xfe=\x01\x1b junk ==',
                      'configureWinRegistry=' + 'yes' * 1000)
            bed.write('META-INF/MANIFEST.MF', b'\r\n'.join([
                b'Manifest-Version: 1.0', b'Name: lib/a.class   ', b'Name:x', b'name: x', b'Name: b.cl',
                b' ass', b'Name: ../outside.txt', b'Name: ' + bed.windows_path(outside).encode(),
                b'Name: ' + b'a' * 1000000,
                b'y' * 999 + b'Name: ../outside.txt',  # the rest of an over-long line
                b'y' * 999 + b'Name: ' + bed.windows_path(outside).encode(),
                b'Name: *', b'Name: *.*', b'Name: .', b'Name: ', b'Name: \0../outside.txt',
                b'Name: .. /outside.txt', b'Name: .../outside.txt', bytes(range(256)) * 4]))
            run = bed.run('')
            self.assertLess(run.exit_code, 0x80000000, 'an exception code')
            self.assertEqual(run.boxes, [])
            self.assertIn(b'Warning: Unable to delete C:\\userdata\\xxx', b'\n'.join(bed.log('jinstall.log')))
            self.assertEqual(bed.existing('lib/a.class', 'META-INF', 'native.properties'), [])
            kept = [outside, bed.drive_c('userdata', 'precious.txt'), bed.drive_c('jre', 'bin'), 'x', 'b.class',
                    'kept.class']
            self.assertEqual(bed.existing(*kept), kept)

    def test_a_temporary_jvm_the_wizard_names_is_removed_but_nothing_beyond_it(self):
        rows = [  # name, the lines the wizard appends, a set-up, what must go, what must stay, a trace line
            ('removed', ['nativeTempJvmDir=C:/tempjvm'], None, 'C:/tempjvm', 'C:/jre/bin/javaw.exe', None),
            ('a read-only file stops it with a warning', ['nativeTempJvmDir=C:/tempjvm'],
             lambda bed: os.chmod(bed.drive_c('tempjvm', 'lib', 'rt.jar'), 0o444), None,
             'C:/tempjvm/lib/rt.jar', b'Warning: Unable to delete C:\\tempjvm'),
            ('a directory link in it is not followed', ['nativeTempJvmDir=C:/tempjvm'],
             lambda bed: os.symlink(bed.drive_c('users'), bed.drive_c('tempjvm', 'lib', 'documents')),
             None, 'C:/users/letter.txt', b'link neither followed nor removed: C:\\tempjvm\\lib\\documents'),
            ('never the installation directory', ['nativeTempJvmDir={install}'], None, None,
             '{install}/kiv.control', None),
            ('never a drive root', ['nativeTempJvmDir=C:/'], None, None, 'C:/windows', None),
            # The tail of an over-long line is no line of its own.
            ('never a directory named in the tail of an over-long line',
             ['comment=' + 'x' * 990 + 'nativeTempJvmDir=C:/users'], None, None, 'C:/users/letter.txt', None),
        ]
        for name, appended, setup, gone, kept, trace in rows:
            with self.subTest(name), WineBed() as bed:
                bed.write(bed.drive_c('tempjvm', 'lib', 'rt.jar'), 'classes')
                bed.write(bed.drive_c('users', 'letter.txt'), 'mine')
                install = bed.windows_path(bed.install_dir).replace('\\', '/')
                appended = [line.replace('{install}', install) for line in appended]
                found_jvm(bed, 'nativeJvmInstalledInTemp=true', *appended)
                if setup:
                    setup(bed)
                bed.run('')
                self.assertTrue(os.path.exists(local(bed, kept)), kept)
                self.assertFalse(gone and os.path.exists(local(bed, gone)), gone)
                self.assertTrue(trace is None or trace in bed.log('jinstall.log'), trace)

    # The user starts the installation from another directory and has no JRE; the
    # logs go where the user looks first. The user installs one and starts again.
    def test_a_failed_run_appends_its_logs_to_the_start_directory_and_a_second_run_keeps_its_trace(self):
        with WineBed() as bed:
            start = os.path.join(bed.root, 'start dir')
            bed.write(os.path.join(start, 'errors.log'), 'an earlier run\'s line\r\n')
            bed.write('startdir.txt', bed.windows_path(start) + '   \r\n')
            bed.write('kivpand.log', b'unpacked by the self-extractor\r\n')
            bed.write('old.kivpand.log', b'')
            bed.write('unpack.log', b'unpacked 3 files\r\n')
            control = 'jvmRequiredVersion=1.3\njvmCommandName=java.exe\njvmClasspathSwitch=-cp\n'
            bed.installation(control)
            self.assertEqual(bed.run('').texts, [NO_JRE_BOX])
            failure = [b'The correct version of the JRE was not found on your system.',
                       b'Please install JRE 1.3 and then restart this installation program.']
            self.assertEqual(bed.log(os.path.join(start, 'errors.log')), [b"an earlier run's line"] + failure)
            trace = bed.log(os.path.join(start, 'jinstall.log'))
            # The launcher made the trace log, so it runs the windowed program.
            self.assertIn(b'Valid version of javaw.exe: 1.3', trace)
            self.assertEqual(trace[-2:], [b'install ok: false',
                                          b'copying log files to ' + bed.windows_path(start).encode()])
            self.assertEqual([bed.read(os.path.join(start, name)) for name in ('unpack.log', 'kivpand.log')],
                             [b'unpacked 3 files\r\n', b'unpacked by the self-extractor\r\n'])
            self.assertEqual(bed.existing(os.path.join(start, 'old.kivpand.log'), 'startdir.txt', 'jinstall.sem'), [])
            # The log the first run made and kept is now the author's: kept, and the console program runs.
            bed.add_jvm('Program Files\\JavaSoft\\JRE\\1.3.1', '1.3.1', names=('java.exe', 'javaw.exe'),
                        product='Java Runtime Environment', subkey='1.3', micro='1')
            bed.installation(control)
            self.assertEqual(bed.run('').boxes, [])
            self.assertTrue(read_record(bed.path('wizard-run.txt'))[b'cmdline'].startswith(b'java.exe -cp '))
            trace = bed.log('jinstall.log')
            # The second run's version line comes first, before its separator line.
            second = trace.index(b'Preparing Java install wizard')
            self.assertEqual([trace[0], b'install ok: false' in trace[:second], trace[second - 2:second]],
                             [VERSION_LINE, True, [VERSION_LINE, b'']])
            for line in (b'Valid version of java.exe: 1.3', b'Java wizard launched successfully'):
                self.assertIn(line, trace[second:])
            self.assertNotIn(b'install ok: true', trace)
            self.assertEqual(bed.log('errors.log'), failure)  # a successful run leaves the first one's alone

    def test_write_protected_start_directory_sends_the_logs_to_the_windows_directory(self):
        if os.geteuid() != 0:
            self.skipTest('a read-only mount needs root')
        with WineBed() as bed:
            start = os.path.join(bed.root, 'cdrom')
            os.makedirs(start)
            if subprocess.run(['mount', '-t', 'tmpfs', '-o', 'ro,size=64k', 'tmpfs', start]).returncode != 0:
                self.skipTest('cannot mount a read-only tmpfs here')
            try:
                bed.installation('')
                bed.write('startdir.txt', bed.windows_path(start) + '\r\n')
                self.assertEqual(bed.run('').texts, [NO_JRE_BOX])  # and no box that the logs are lost
                self.assertTrue(os.path.exists(bed.drive_c('windows', 'errors.log')))
                self.assertEqual(bed.existing(bed.drive_c('windows', '__kivtest.zos'), '__kivtest.zos'), [])
            finally:
                subprocess.run(['umount', '-l', start])

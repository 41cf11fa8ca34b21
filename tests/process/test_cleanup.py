"""What the installation directory, the start directory and the machine look
like after the wizard: tidied files, kept or copied logs, a removed temporary
JVM, and the applet road of the plug-in kind."""
import os
import shutil
import subprocess
import unittest

from test_control import log_lines
from test_jvm_install import carry_jvm
from test_wizard import prepare
from winebed import TOOLS_DIR, WineBed

JRE = 'Java Runtime Environment'


def found_jvm(bed, config='version=1.3.1\n'):
    bed.add_jvm('jre', '1.3.1', product=JRE, config=config)


class Logs(unittest.TestCase):
    def test_successful_run_removes_the_log_it_created(self):
        with WineBed() as bed:
            found_jvm(bed)
            prepare(bed, 'jvmRequiredVersion=1.3\n')
            bed.write('errors.log', b'')
            bed.run('')
            for name in ('jinstall.log', 'jinstall.sem', 'errors.log', 'native.properties', 'install.jar'):
                self.assertFalse(bed.exists(name), name)

    def test_failed_run_keeps_its_log_and_appends_the_logs_to_the_start_directory(self):
        with WineBed() as bed:
            start = os.path.join(bed.root, 'start')
            os.makedirs(start)
            with open(os.path.join(start, 'errors.log'), 'wb') as f:
                f.write(b'earlier\r\n')
            prepare(bed, '')
            bed.write('startdir.txt', bed.windows_path(start) + '\r\n')
            bed.write('kivpand.log', b'')
            bed.run('')
            self.assertEqual(log_lines(bed, 'jinstall.log')[-2:], [
                b'install ok: false', b'copying log files to ' + bed.windows_path(start).encode()])
            with open(os.path.join(start, 'errors.log'), 'rb') as f:
                copied = f.read()
            self.assertTrue(copied.startswith(b'earlier\r\n'))
            self.assertEqual(copied[len(b'earlier\r\n'):], bed.read('errors.log'))
            self.assertTrue(os.path.exists(os.path.join(start, 'jinstall.log')))
            self.assertFalse(os.path.exists(os.path.join(start, 'kivpand.log')))
            self.assertFalse(bed.exists('startdir.txt'))

    def test_start_directory_equal_to_the_installation_in_other_case_gets_nothing(self):
        with WineBed() as bed:
            prepare(bed, '')
            bed.write('startdir.txt', bed.windows_path(bed.install_dir).upper() + '\r\n')
            bed.run('')
            # Nothing is appended to the logs themselves.
            self.assertEqual(log_lines(bed, 'errors.log').count(
                b'The correct version of the JRE was not found on your system.'), 1)

    def test_write_protected_start_directory_sends_the_logs_to_the_windows_directory(self):
        if os.geteuid() != 0:
            self.skipTest('a read-only mount needs root')
        with WineBed() as bed:
            start = os.path.join(bed.root, 'cdrom')
            os.makedirs(start)
            if subprocess.run(['mount', '-t', 'tmpfs', '-o', 'ro,size=64k', 'tmpfs', start],
                              capture_output=True).returncode != 0:
                self.skipTest('cannot mount a read-only tmpfs here')
            try:
                prepare(bed, '')
                bed.write('startdir.txt', bed.windows_path(start) + '\r\n')
                bed.run('')
                self.assertTrue(os.path.exists(bed.drive_c('windows', 'errors.log')))
                self.assertFalse(os.path.exists(bed.drive_c('windows', '__kivtest.zos')))
                self.assertFalse(bed.exists('__kivtest.zos'))
            finally:
                subprocess.run(['umount', '-l', start])


class Manifest(unittest.TestCase):
    def test_name_lines_delete_only_their_own_files_inside_the_installation(self):
        with WineBed() as bed:
            outside = os.path.join(bed.root, 'outside.txt')
            open(outside, 'w').close()
            os.makedirs(bed.path('lib'))
            os.makedirs(bed.path('META-INF'))
            for name in ('lib/a.class', 'x', 'b.class', 'kept.class'):
                bed.write(name, b'')
            bed.write('META-INF/MANIFEST.MF',
                      b'Manifest-Version: 1.0\r\nName: lib/a.class   \r\nName:x\r\nname: x\r\n'
                      b'Name: b.cl\r\n ass\r\nName: ../outside.txt\r\nName: ' +
                      bed.windows_path(outside).encode() + b'\r\n')
            prepare(bed, '')
            bed.run('')
            self.assertFalse(bed.exists('lib/a.class'))
            self.assertTrue(bed.exists('x') and bed.exists('b.class') and bed.exists('kept.class'))
            self.assertTrue(os.path.exists(outside))
            self.assertFalse(bed.exists('META-INF'))


class TemporaryJvm(unittest.TestCase):
    def run_with_temp_dir(self, bed, temp_dir, make_read_only=False):
        tree = bed.drive_c('tempjvm', 'lib')
        os.makedirs(tree, exist_ok=True)
        with open(os.path.join(tree, 'rt.jar'), 'w') as f:
            f.write('classes')
        if make_read_only:
            os.chmod(os.path.join(tree, 'rt.jar'), 0o444)
        found_jvm(bed, 'version=1.3.1\nappend=nativeJvmInstalledInTemp=true\n'
                       'append=nativeTempJvmDir=%s\n' % temp_dir)
        prepare(bed, 'jvmRequiredVersion=1.3\njvmCommandName=javaw.exe\n', trace=True)
        return bed.run('')

    def test_temporary_jvm_named_by_the_wizard_is_removed(self):
        with WineBed() as bed:
            self.run_with_temp_dir(bed, 'C:/tempjvm')
            self.assertFalse(os.path.exists(bed.drive_c('tempjvm')))
            self.assertTrue(os.path.exists(bed.drive_c('jre', 'bin', 'javaw.exe')))

    def test_read_only_file_stops_the_removal_with_a_warning(self):
        with WineBed() as bed:
            self.run_with_temp_dir(bed, 'C:/tempjvm', make_read_only=True)
            self.assertTrue(os.path.exists(bed.drive_c('tempjvm', 'lib', 'rt.jar')))
            self.assertIn(b'Warning: Unable to delete C:\\tempjvm', log_lines(bed, 'jinstall.log'))

    def test_a_directory_link_in_the_tree_is_not_followed(self):
        with WineBed() as bed:
            folder = bed.drive_c('users', 'documents')
            os.makedirs(folder)
            with open(os.path.join(folder, 'letter.txt'), 'w') as f:
                f.write('mine')
            os.makedirs(bed.drive_c('tempjvm', 'lib'))
            os.symlink(folder, bed.drive_c('tempjvm', 'lib', 'documents'))
            self.run_with_temp_dir(bed, 'C:/tempjvm')
            self.assertTrue(os.path.exists(os.path.join(folder, 'letter.txt')))
            self.assertIn(b'link neither followed nor removed: C:\\tempjvm\\lib\\documents',
                          log_lines(bed, 'jinstall.log'))

    def test_never_removes_the_installation_directory_or_a_drive_root(self):
        with WineBed() as bed:
            install_dir = bed.windows_path(bed.install_dir).replace('\\', '/')
            self.run_with_temp_dir(bed, install_dir)
            self.assertTrue(bed.exists('kiv.control'))
            self.assertTrue(os.path.exists(bed.drive_c('tempjvm', 'lib', 'rt.jar')))
        with WineBed() as bed:
            self.run_with_temp_dir(bed, 'C:/')
            self.assertTrue(os.path.exists(bed.drive_c('windows')))


class Applet(unittest.TestCase):
    def plugin_installation(self, bed, page_exists=True):
        browser_dir = bed.drive_c('browser')
        os.makedirs(browser_dir)
        shutil.copy(os.path.join(TOOLS_DIR, 'browser_double.exe'), os.path.join(browser_dir, 'browse.exe'))
        bed.reg_add(r'HKCR\.html', None, 'htmlfile')
        bed.reg_add(r'HKCR\htmlfile\shell\open\command', None, r'"C:\browser\browse.exe" "%1"')
        bed.add_jvm('plugin', '1.3.1', product='Java Plug-in', subkey='1.3')
        prepare(bed, 'jvmName=Java Plug-in\njvmRequiredVersion=1.3\n'
                     'appletUrl=http://example.invalid/setup/start.html\n')
        if page_exists:
            bed.write('start.html', '<html></html>')
        return os.path.join(browser_dir, 'browser-run.txt')

    def test_plug_in_mode_tells_the_user_then_opens_the_page_in_the_browser(self):
        with WineBed() as bed:
            record = self.plugin_installation(bed)
            run = bed.run('')
            self.assertEqual([b[1:3] for b in run.boxes], [[b'Kivrelle Installer',
                b'Please exit your browser now to complete the configuration for this installation.'
                b'\n\nMake sure you are connected to the Internet until the installation finishes.']])
            with open(record, 'rb') as f:
                lines = f.read().splitlines()
            self.assertIn(b'argc=2', lines)
            self.assertIn(b'argv[0]=browse.exe', lines)
            self.assertIn(b'argv[1]=http://example.invalid/setup/start.html', lines)

    def test_no_page_file_falls_back_silently_to_the_carried_jvm_and_the_wizard(self):
        with WineBed() as bed:
            record = self.plugin_installation(bed, page_exists=False)
            carry_jvm(bed, 'jvmName=Java Plug-in\njvmRequiredVersion=1.3\n'
                           'appletUrl=http://example.invalid/setup/start.html\n'
                           'predefinedJvmInstallDir=C:\\carried\n')
            run = bed.run('')
            self.assertFalse(os.path.exists(record))
            self.assertEqual(run.boxes, [])
            self.assertTrue(bed.exists('wizard-run.txt'))


if __name__ == '__main__':
    unittest.main()

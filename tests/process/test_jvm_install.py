"""Installing the JVM an installation carries, when the machine has none that fits:
where it lands, what the registry and the Windows directory receive, and what
is never overwritten."""
import os
import shutil
import unittest

from test_control import SUFFIX, log_lines
from test_wizard import read_record
from winebed import TOOLS_DIR, WineBed

JRE_KEY = r'HKLM\SOFTWARE\JavaSoft\Java Runtime Environment'
HOME = r'c:\program files\javasoft\jre1.3\1.3.1'


def carry_jvm(bed, control, version='1.3.1', extractor='jre-setup.exe', home=''):
    """An installation that carries a self-extracting JVM and a wizard."""
    shutil.copy(os.path.join(TOOLS_DIR, 'jvm_extractor_double.exe'), bed.path(extractor))
    shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), bed.path('jvm_double.exe'))
    bed.write('extractor.txt', 'version=%s\nhome=%s\n' % (version, home))
    bed.write('kiv.control', 'jvmVersion=%s\njvmSelfExtractor=%s\n' % (version, extractor) + control)
    bed.write('TestJvm.class', b'\xca\xfe\xba\xbe')
    bed.write('install.jar', b'PK')


def reg_value(bed, key, name):
    out = bed.wine('reg', 'query', key, '/v', name).stdout.decode('latin-1')
    for line in out.splitlines():
        parts = line.split(None, 2)
        if len(parts) == 3 and parts[0] == name:
            return parts[2].strip()
        if len(parts) == 2 and parts[0] == name:
            return ''
    return None


def native_properties(bed):
    return read_record(bed.path('wizard-run.txt'))[b'native.properties'].strip().split(b'\r\n')


class CompressedJvm(unittest.TestCase):
    def test_default_place_registry_windows_directory_and_the_wizard(self):
        with WineBed() as bed:
            carry_jvm(bed, '')
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            home = bed.drive_c('Program Files', 'JavaSoft', 'JRE1.3', '1.3.1')
            self.assertTrue(os.path.exists(os.path.join(home, 'bin', 'javaw.exe')))
            self.assertEqual(reg_value(bed, JRE_KEY, 'CurrentVersion'), '1.3')
            for version in ('1.3', '1.3.1'):
                key = JRE_KEY + '\\' + version
                self.assertEqual(reg_value(bed, key, 'JavaHome'), HOME)
                self.assertEqual(reg_value(bed, key, 'MicroVersion'), '1')
                self.assertEqual(reg_value(bed, key, 'RuntimeLib'), HOME + r'\bin\hotspot\jvm.dll')
            for name in ('javaw.exe', 'java.exe', os.path.join('system', 'msvcrt.dll')):
                self.assertTrue(os.path.exists(bed.drive_c('windows', name)), name)
            record = read_record(bed.path('wizard-run.txt'))
            self.assertTrue(record[b'cmdline'].startswith(b'javaw.exe '))
            self.assertEqual(native_properties(bed), [
                b'nativeJvmHomeDir=C:/Program Files/JavaSoft/JRE1.3/1.3.1', b'nativeJvmInstalled=true',
                b'configureWinRegistry=true'])

    def test_nothing_that_exists_is_overwritten(self):
        with WineBed() as bed:
            bed.reg_add(JRE_KEY, 'CurrentVersion', '1.2')
            bed.reg_add(JRE_KEY + r'\1.3', 'MicroVersion', '0')
            bed.reg_add(JRE_KEY + r'\1.3', 'JavaHome', r'C:\elsewhere')
            with open(bed.drive_c('windows', 'java.exe'), 'wb') as f:
                f.write(b'the user\'s own java.exe')
            carry_jvm(bed, '')
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            self.assertEqual(reg_value(bed, JRE_KEY, 'CurrentVersion'), '1.2')
            self.assertEqual(reg_value(bed, JRE_KEY + r'\1.3', 'JavaHome'), r'C:\elsewhere')
            self.assertIsNone(reg_value(bed, JRE_KEY + r'\1.3', 'RuntimeLib'))
            self.assertEqual(reg_value(bed, JRE_KEY + r'\1.3.1', 'JavaHome'), HOME)
            with open(bed.drive_c('windows', 'java.exe'), 'rb') as f:
                self.assertEqual(f.read(), b'the user\'s own java.exe')
            # Not the current version: no launchers are copied.
            self.assertFalse(os.path.exists(bed.drive_c('windows', 'javaw.exe')))

    def test_app_directory_keeps_the_jvm_inside_the_installation_until_clean_up(self):
        with WineBed() as bed:
            carry_jvm(bed, 'predefinedJvmInstallDir=[$AppDir]/jvm\n')
            bed.write('jinstall.log', b'')
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            trace = log_lines(bed, 'jinstall.log')
            jvm_dir = bed.windows_path(bed.install_dir).encode() + b'\\jvm'
            self.assertIn(b'installing jvm in ' + jvm_dir, trace)
            self.assertIn(b'java installer launch command: java.exe  .;install.jar ', trace)
            self.assertIn(b'jvm home dir ' + jvm_dir, trace)
            # A temporary JVM is removed after the wizard, and Windows was never configured for it.
            self.assertFalse(bed.exists('jvm'))
            self.assertFalse([l for l in trace if b'Windows registry' in l])
            self.assertIsNone(reg_value(bed, JRE_KEY, 'CurrentVersion'))
            self.assertFalse(os.path.exists(bed.drive_c('windows', 'javaw.exe')))
            properties = native_properties(bed)
            self.assertIn(b'nativeJvmInstalledInTemp=true', properties)
            self.assertIn(b'nativeJvmInstalled=true', properties)

    def test_unusable_program_files_puts_the_jvm_under_the_windows_directory(self):
        with WineBed() as bed:
            bed.reg_add(r'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion', 'ProgramFilesDir', r'Q:\none')
            carry_jvm(bed, '')
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            self.assertTrue(os.path.exists(bed.drive_c('windows', 'jvm', 'jre1.3', '1.3', 'bin',
                                                       'javaw.exe')))

    def test_missing_self_extractor_fails_with_the_working_directory_unchanged(self):
        with WineBed() as bed:
            carry_jvm(bed, '', extractor='jre-setup.exe')
            os.makedirs(bed.path('sub'))
            shutil.move(bed.path('jre-setup.exe'), bed.path(os.path.join('sub', 'jre-setup.exe')))
            control = bed.read('kiv.control').replace(b'jre-setup.exe', b'sub/jre-setup.exe')
            bed.write('kiv.control', control)
            run = bed.run('')
            trace = log_lines(bed, 'jinstall.log')
            self.assertTrue(any(l.startswith(b'Compressed JVM does *not* exist:  ') for l in trace))
            self.assertTrue(any(l.startswith(b'unable to expand ') for l in trace))
            self.assertEqual([l for l in trace if l.startswith(b'current directory after chdir')],
                             [b'current directory after chdir:  ' +
                              bed.windows_path(bed.install_dir).encode()])
            self.assertTrue(run.boxes[-1][2].startswith(b'Unable to install JRE 1.3.1. Are the '))


class VendorInstaller(unittest.TestCase):
    def test_vendor_installer_then_the_search_finds_its_jvm(self):
        with WineBed() as bed:
            shutil.copy(os.path.join(TOOLS_DIR, 'vendor_installer_double.exe'), bed.path('setup.exe'))
            shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), bed.path('jvm_double.exe'))
            bed.write('vendor.txt', 'home=C:\\VendorJava\nversion=1.3.1\nsubkey=1.3\nmicro=1\n')
            bed.write('kiv.control', 'jvmVersion=1.3.1\njvmSelfExtractor=setup.exe\n'
                                     'jvmThirdPartyInstaller=yes\n')
            bed.write('TestJvm.class', b'\xca\xfe\xba\xbe')
            bed.write('install.jar', b'PK')
            bed.write('jinstall.log', b'')
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            self.assertTrue(bed.exists('vendor-runs.txt'))
            self.assertIn(b'Found correct version of JVM: C:\\VendorJava\\bin\\java.exe',
                          log_lines(bed, 'jinstall.log'))
            self.assertEqual(native_properties(bed)[:2], [b'nativeJvmHomeDir=C:/VendorJava',
                                                          b'nativeJvmInstalled=true'])


class SecondLaunch(unittest.TestCase):
    def test_a_found_jvm_that_fails_the_wizard_gives_way_to_the_carried_one(self):
        with WineBed() as bed:
            bed.add_jvm('oldjre', '1.3.1', product='Java Runtime Environment', subkey='1.3', micro='1',
                        config='version=1.3.1\nwizard=no\n')
            carry_jvm(bed, 'predefinedJvmInstallDir=C:\\carried\n')
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            self.assertTrue(os.path.exists(bed.drive_c('carried', 'bin', 'jvm-runs.txt')))
            self.assertFalse(bed.exists('__kivwizard.sem'))

    def test_a_second_failure_shows_that_the_wizard_could_not_start(self):
        with WineBed() as bed:
            bed.add_jvm('oldjre', '1.3.1', product='Java Runtime Environment', subkey='1.3', micro='1',
                        config='version=1.3.1\nwizard=no\n')
            carry_jvm(bed, 'predefinedJvmInstallDir=C:\\carried\n')
            with open(bed.path('extractor.txt'), 'a') as f:
                f.write('wizard=no\n')
            run = bed.run('')
            self.assertEqual(len(run.boxes), 1)
            self.assertTrue(run.boxes[0][2].startswith(b'Unable to start the install wizard.\r\r'))
            self.assertTrue(run.boxes[0][2].endswith(SUFFIX))


if __name__ == '__main__':
    unittest.main()

"""The real launcher under hostile input: registry values of the wrong type or
of 10 KB, a huge PATH and command line, junk in the files the wizard leaves,
JVMs that answer nonsense, and a directory it cannot write. Every run must end
with the launcher's own report, and nothing of the user's may be lost.

Hostile control files (a 1 MB line, NUL bytes, 10 000 keys, binary junk), a
read-only control file and a full disk are in test_control.py."""
import os
import shutil
import subprocess
import unittest

from test_control import NO_JRE, SUFFIX, log_lines
from test_jvm_install import carry_jvm, reg_value
from test_wizard import prepare, read_record
from winebed import WineBed

INTL = r'HKEY_CURRENT_USER\Control Panel\International'
NLS = r'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Nls\Locale'
WIN = r'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion'
NT = r'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion'
JRE = r'HKEY_LOCAL_MACHINE\SOFTWARE\JavaSoft\Java Runtime Environment'
JDK = r'HKEY_LOCAL_MACHINE\SOFTWARE\JavaSoft\Java Development Kit'
TEN_KB = 10240
CAPTIONS = (b'Kivrelle Installer', b'Kivrelle Installer: Error')
ON_WINDOWS = 'predefinedJvmInstallDir=[$WinDir]\\jre\n'
IN_PROGRAM_FILES = r'c:\program files\javasoft\jre1.3\1.3.1'


def text(value):
    return '"%s"' % value.replace('\\', '\\\\').replace('"', '\\"')


def binary(data):
    return 'hex:' + ','.join('%02x' % byte for byte in data)  # no terminating zero


def dword(number):
    return 'dword:%08x' % number


STANDARD_DIRS = {(WIN, 'ProgramFilesDir'): text('C:\\Program Files'), (NT, 'SystemRoot'): text('C:\\windows')}
UNREADABLE_PROGRAM_FILES = (('REG_DWORD 0', dword(0)), ('of 10 KB', text('C:\\Program Files' + 'x' * TEN_KB)))


def set_registry(bed, values):
    """{(key, value name, None for the default): regedit data, '-' deletes}. From a
    file, since `reg add` cannot carry 10 KB on its command line."""
    lines = ['REGEDIT4']
    for key in dict.fromkeys(key for key, _ in values):
        lines += ['', '[%s]' % key] + ['%s=%s' % ('@' if name is None else text(name), data)
                                       for (k, name), data in values.items() if k == key]
    path = os.path.join(bed.root, 'values.reg')
    with open(path, 'w', encoding='latin-1') as f:
        f.write('\r\n'.join(lines) + '\r\n')
    assert bed.wine('regedit', '/S', bed.windows_path(path)).returncode == 0


def wizard_record(bed):
    """What the wizard double saw; removed, so that the next row cannot read it."""
    record = read_record(bed.path('wizard-run.txt'))
    os.remove(bed.path('wizard-run.txt'))
    return record


class HostileInput(unittest.TestCase):
    def assertNormalEnd(self, run):
        """Ended by itself, showing only its own boxes: no crash, no Wine error dialog."""
        self.assertIsNotNone(run.exit_code, 'the launcher did not end')
        self.assertLess(run.exit_code, 0x80000000, 'an exception code')
        self.assertEqual([box[1] for box in run.boxes if box[1] not in CAPTIONS], [])

    def install_carried_jvm(self, bed, values, control, search_path=None):
        """Installs the carried JVM afresh, with these registry values and WINEPATH, and
        runs the wizard with it; returns the JavaHome registered."""
        bed.wine('reg', 'delete', r'HKLM\SOFTWARE\JavaSoft', '/f')
        for place in ('Program Files\\JavaSoft', 'windows\\jre', 'mywinnt\\jre', 'pathjvm\\jvm'):
            shutil.rmtree(bed.drive_c(*place.split('\\')), ignore_errors=True)
        for copy in ('java.exe', 'javaw.exe', 'system\\msvcrt.dll'):
            for windows in ('windows', 'mywinnt'):
                if os.path.exists(bed.drive_c(windows, *copy.split('\\'))):
                    os.remove(bed.drive_c(windows, *copy.split('\\')))
        shutil.rmtree(bed.install_dir)
        os.makedirs(bed.install_dir)
        set_registry(bed, {**STANDARD_DIRS, **values})
        carry_jvm(bed, control)
        bed.launch_env = {'WINEPATH': search_path} if search_path else {}
        run = bed.run('')
        self.assertNormalEnd(run)
        self.assertEqual(run.boxes, [])
        return reg_value(bed, JRE + r'\1.3.1', 'JavaHome')


class ReadOnlyDirectory(HostileInput):
    def run_read_only(self, bed):
        """Runs in an installation directory mounted read-only (as root a chmod stops no
        write); returns the run, the control file and the directory's names."""
        if os.geteuid() != 0:
            self.skipTest('a read-only mount needs root')
        directory = bed.install_dir
        if subprocess.run(['mount', '-t', 'tmpfs', '-o', 'size=1m', 'tmpfs', directory],
                          capture_output=True).returncode != 0:
            self.skipTest('cannot mount a tmpfs here')
        try:
            bed.write('kiv.control', b'jvmName=JRE\n')
            bed.stage('')
            subprocess.run(['mount', '-o', 'remount,ro', directory], check=True)
            bed.start('', staged=True)
            bed.process.wait(timeout=60)
            subprocess.run(['mount', '-o', 'remount,rw', directory], check=True)
            return bed.finish(), bed.read('kiv.control'), os.listdir(directory)
        finally:
            subprocess.run(['umount', '-l', directory])

    def test_read_only_directory_keeps_the_control_file_and_writes_no_copy_anywhere(self):
        with WineBed() as bed:
            run, control, names = self.run_read_only(bed)
            self.assertNormalEnd(run)
            self.assertEqual(control, b'jvmName=JRE\n')
            self.assertNotIn('__kiv.control', names)
            self.assertEqual([d for d, _, files in os.walk(bed.root) if '__kiv.control' in files], [])

    # Without its semaphore files the main thread must still wait for the worker,
    # or the process would end before the worker shows any box.
    def test_read_only_directory_shows_that_the_line_endings_could_not_be_converted(self):
        with WineBed() as bed:
            run, _, _ = self.run_read_only(bed)
            self.assertEqual([box[2] for box in run.boxes][:1],
                             [b'Unable to convert line endings for kiv.control' + SUFFIX])


class Registry(HostileInput):
    def test_locale_values_of_the_wrong_type_are_read_as_text_and_10_kb_values_are_ignored(self):
        hints = {'english': b'See errors.log', 'french': b'Veuillez examiner',
                 'german': b'\xfcberpr\xfcfen', 'polish': b'W celu uzyskania'}
        # Each row sets every source; an ignored value hands over to the next source.
        usual = {(INTL, 'Locale'): text('00000409'), (INTL, 'sCountry'): text('Nowhere'),
                 (INTL, 'Country'): '-', (NLS, None): text('00000409')}
        rows = [
            ('Locale of 10 KB', {(INTL, 'Locale'): text('french' * 1707),
                                 (INTL, 'sCountry'): text('Deutschland')}, 'german'),
            ('Locale REG_DWORD "deut"', {(INTL, 'Locale'): dword(0x74756564)}, 'german'),
            ('sCountry REG_BINARY "france"', {(INTL, 'sCountry'): binary(b'france')}, 'french'),
            ('sCountry of 10 KB', {(INTL, 'sCountry'): text('france' * 1707),
                                   (INTL, 'Country'): text('PLK')}, 'polish'),
            ('Country REG_BINARY of 200 bytes, all that is read',
             {(INTL, 'Country'): binary(b'plk' + b'x' * 197)}, 'polish'),
            ('system locale REG_BINARY', {(NLS, None): binary(b'00000407'),
                                          (NLS, '00000407'): text('German (Standard)')}, 'german'),
            ('system locale name of 10 KB', {(NLS, None): text('00000407'),
                                             (NLS, '00000407'): text('german' * 1707)}, 'english'),
        ]
        with WineBed() as bed:
            for name, values, language in rows:
                with self.subTest(name):
                    set_registry(bed, {**usual, **values})
                    run = bed.run('')  # no control file: two error boxes with the hint
                    self.assertNormalEnd(run)
                    self.assertEqual(len(run.boxes), 2)
                    self.assertIn(hints[language], run.boxes[0][2])

    def test_windows_directory_and_program_files_of_the_wrong_type_or_10_kb_still_place_the_jvm(self):
        with WineBed() as bed:
            rows = [  # name, values, control, JVM home registered, where the launchers are copied
                ('SystemRoot REG_BINARY', {(NT, 'SystemRoot'): binary(b'C:\\windows')}, ON_WINDOWS,
                 r'c:\windows\jre', bed.drive_c('windows')),
                # An unreadable Windows directory: the current directory stands in for it.
                ('SystemRoot REG_DWORD 0', {(NT, 'SystemRoot'): dword(0)}, ON_WINDOWS,
                 IN_PROGRAM_FILES, bed.install_dir),
                ('SystemRoot of 10 KB', {(NT, 'SystemRoot'): text('C:\\windows' + 'x' * TEN_KB)},
                 ON_WINDOWS, IN_PROGRAM_FILES, bed.install_dir),
                ('ProgramFilesDir REG_BINARY', {(WIN, 'ProgramFilesDir'): binary(b'C:\\Program Files')},
                 '', IN_PROGRAM_FILES, bed.drive_c('windows')),
            ] + [('ProgramFilesDir ' + name, {(WIN, 'ProgramFilesDir'): data}, '', None, bed.drive_c('windows'))
                 for name, data in UNREADABLE_PROGRAM_FILES]  # the home: see the next test
            for name, values, control, home, launchers in rows:
                with self.subTest(name):
                    registered = self.install_carried_jvm(bed, values, control)
                    if home:
                        self.assertEqual(registered, home)
                    self.assertTrue(os.path.exists(os.path.join(launchers, 'javaw.exe')))

    # The JVM then goes below the installation directory, jvm\jre1.3\1.3: what is
    # registered as its JavaHome must be the absolute path.
    def test_unreadable_program_files_still_registers_an_absolute_java_home(self):
        with WineBed() as bed:
            for name, data in UNREADABLE_PROGRAM_FILES:
                with self.subTest(name):
                    home = self.install_carried_jvm(bed, {(WIN, 'ProgramFilesDir'): data}, '')
                    self.assertRegex(home, r'^[a-z]:\\')

    def test_java_homes_of_10_kb_or_binary_junk_are_refused_and_the_next_entry_is_taken(self):
        long_home = text('C:\\jre' * 2000)
        rows = [  # name, values, the home taken, a trace line that tells why
            ('JavaHome of 10 KB beside a Home', {(JRE + r'\1.1.8', 'JavaHome'): long_home,
                                                 (JRE + r'\1.1.8', 'Home'): text('C:\\jre')}, b'C:/jre', None),
            ('JavaHome of binary junk', {(JRE + r'\1.1.8', 'JavaHome'): binary(bytes(range(1, 256)) * 2),
                                         (JDK + r'\1.1.8', 'JavaHome'): text('C:\\jdk')}, b'C:/jdk', None),
            ('JavaHome REG_BINARY', {(JRE + r'\1.1.8', 'JavaHome'): binary(b'C:\\jre')}, b'C:/jre', None),
            # A MicroVersion REG_DWORD of 0x38 is the text "8": version 1.1.8.
            ('JavaHome of 10 KB alone', {(JRE + r'\1.1.8', 'JavaHome'): long_home,
                                         (JDK + r'\1.1', 'JavaHome'): text('C:\\jdk'),
                                         (JDK + r'\1.1', 'MicroVersion'): dword(0x38)},
             b'C:/jdk', b'no home directory for jvm'),
        ]
        with WineBed() as bed:
            bed.add_jvm('jre', '1.1.8')
            bed.add_jvm('jdk', '1.1.8')
            for name, values, home, why in rows:
                with self.subTest(name):
                    bed.wine('reg', 'delete', r'HKLM\SOFTWARE\JavaSoft', '/f')
                    set_registry(bed, values)
                    prepare(bed, 'jvmCommandName=javaw.exe\n', trace=True)
                    run = bed.run('')
                    self.assertNormalEnd(run)
                    self.assertEqual(run.boxes, [])
                    properties = wizard_record(bed)[b'native.properties']
                    self.assertEqual(properties.split(b'\r\n')[0].strip(), b'nativeJvmHomeDir=' + home)
                    if why:
                        self.assertTrue(any(l.startswith(why) for l in log_lines(bed, 'jinstall.log')))


class SearchPath(HostileInput):
    def test_path_of_100_kb_or_2000_entries_is_searched_to_its_last_entry(self):
        # Wine cuts a PATH from the registry to about 1 KB; WINEPATH comes through whole,
        # in front of the registry's PATH.
        paths = {'100 KB': ';'.join('Q:\\%s%03d' % ('l' * 1000, i) for i in range(100)),
                 '2 000 entries': ';'.join('Q:\\p%04d' % i for i in range(2000))}
        nowhere = {(WIN, 'ProgramFilesDir'): text('Q:\\none'), (NT, 'SystemRoot'): text('Q:\\nowin')}
        searches = [  # the search, the PATH entry found last, values, control, JVM home, launchers
            ('home directory', 'mywinnt', {(NT, 'SystemRoot'): text('x' * TEN_KB)}, ON_WINDOWS,
             r'c:\mywinnt\jre', 'mywinnt'),
            ('JVM directory', 'pathjvm', nowhere, '', r'c:\pathjvm\jvm\jre1.3\1.3', None),
        ]
        with WineBed() as bed:
            for search, last, values, control, home, launchers in searches:
                for shape, path in paths.items():
                    with self.subTest(search=search, path=shape):
                        os.makedirs(bed.drive_c(last), exist_ok=True)
                        search_path = path + ';C:\\' + last
                        self.assertEqual(self.install_carried_jvm(bed, values, control, search_path), home)
                        if launchers:
                            self.assertTrue(os.path.exists(bed.drive_c(launchers, 'javaw.exe')))


class CommandLine(HostileInput):
    def wizard_after(self, bed, command_line):
        bed.add_jvm('jre', '1.1.8', product='Java Runtime Environment')
        prepare(bed, 'loaderJavaCommand=Wizard\n')
        run = bed.run(command_line)
        self.assertNormalEnd(run)
        return run

    def test_command_lines_of_30_kb_or_with_unbalanced_quotes_give_the_wizard_a_defined_argument(self):
        rows = [
            ('-q "C:\\never closed x y', b'-q "C:\\never closed x y"'),
            ('-q "', b'-q "'),  # the last word is taken as it stands
            ('-q ' + 'A' * 30000, b'-q ' + b'A' * 30000),
            ('x ' * 15000 + '-s y', b'-s y'),
            ('-s "' + 'b ' * 14000 + 'c', b'-s "' + b'b ' * 14000 + b'c"'),
        ]
        with WineBed() as bed:
            for command_line, passed in rows:
                with self.subTest(command_line[:40], length=len(command_line)):
                    self.assertEqual(self.wizard_after(bed, command_line).boxes, [])
                    self.assertEqual(wizard_record(bed)[b'cmdline'],
                                     b'javaw.exe  .;install.jar Wizard ' + passed)

    # The wizard's runtime reads \" as a quote inside the argument, so the backslash
    # before the added closing quote is doubled.
    def test_pass_through_ending_in_a_backslash_reaches_the_wizard_whole(self):
        with WineBed() as bed:
            self.wizard_after(bed, '-s "C:\\My Dir\\"')
            self.assertEqual(wizard_record(bed)[b'cmdline'][-17:], b' -s "C:\\My Dir\\\\"')

    # A wizard command line over the system's 32767 characters would arrive cut:
    # it is refused instead of started with a shortened argument.
    def test_pass_through_too_long_for_the_wizard_is_refused_not_cut(self):
        with WineBed() as bed:
            run = self.wizard_after(bed, '-q ' + 'A' * 32740)
            if bed.exists('wizard-run.txt'):
                self.assertEqual(wizard_record(bed)[b'cmdline'].count(b'A'), 32740)
            else:
                self.assertEqual(run.boxes[-1][1], b'Kivrelle Installer: Error')


class WizardFiles(HostileInput):
    def wizard_appends(self, bed, lines):
        os.makedirs(bed.drive_c('userdata'))
        with open(bed.drive_c('userdata', 'precious.txt'), 'w') as f:
            f.write('the user\'s')
        bed.add_jvm('jre', '1.1.8', product='Java Runtime Environment',
                    config='version=1.1.8\n' + ''.join('append=%s\n' % line for line in lines))
        prepare(bed, 'jvmCommandName=javaw.exe\n', trace=True)

    def test_junk_and_long_lines_in_native_properties_and_the_manifest_delete_nothing_outside(self):
        with WineBed() as bed:
            outside = os.path.join(bed.root, 'outside.txt')
            open(outside, 'w').close()
            self.wizard_appends(bed, [
                'nativeJvmInstalledInTemp=true', 'nativeTempJvmDir=C:/userdata/' + 'x' * 3000,
                'nativeJvmHomeDir=' + '\\' * 3000, '\xff\xfe=\x01\x1b junk ==',
                'configureWinRegistry=' + 'yes' * 1000])
            os.makedirs(bed.path('META-INF'))
            bed.write('kept.txt', b'kept')
            bed.write('META-INF/MANIFEST.MF', b'\r\n'.join([
                b'Name: ' + b'a' * 1000000,
                b'y' * 999 + b'Name: ../outside.txt',  # the rest of an over-long line
                b'y' * 999 + b'Name: ' + bed.windows_path(outside).encode(),
                b'Name: *', b'Name: *.*', b'Name: .', b'Name: ', b'Name: \0../outside.txt',
                b'Name: .. /outside.txt', b'Name: .../outside.txt', bytes(range(256)) * 4]))
            run = bed.run('')
            self.assertNormalEnd(run)
            self.assertEqual(run.boxes, [])
            trace = b'\n'.join(log_lines(bed, 'jinstall.log'))
            self.assertIn(b'Warning: Unable to delete C:\\userdata\\xxx', trace)
            for kept in (outside, bed.drive_c('userdata', 'precious.txt'), bed.drive_c('jre', 'bin')):
                self.assertTrue(os.path.exists(kept), kept)
            self.assertEqual(bed.read('kept.txt'), b'kept')
            self.assertFalse(bed.exists('META-INF') or bed.exists('native.properties'))

    # The tail of an over-long line is no line of its own: a junk line must never
    # name a temporary JVM directory, whose tree would be deleted.
    def test_tail_of_an_over_long_native_properties_line_names_no_directory_to_remove(self):
        with WineBed() as bed:
            self.wizard_appends(bed, ['nativeJvmInstalledInTemp=true',
                                      'comment=' + 'x' * 990 + 'nativeTempJvmDir=C:/userdata'])
            self.assertNormalEnd(bed.run(''))
            self.assertTrue(os.path.exists(bed.drive_c('userdata', 'precious.txt')))


class VersionFile(HostileInput):
    def test_jvm_writing_10_mb_nothing_or_garbage_is_refused_and_the_run_ends_with_not_found(self):
        rows = [  # the JVM double's behaviour, the trace line that tells why
            ('10 MB, the version beyond what is read of the first line',
             'version=1.1.8\nversionFileBytes=10000000\n', b'found jvm version: '),
            ('nothing', 'exitCode=0\n', b'Unable to verify version jvmGood.txt'),
            ('garbage without digits', 'versionLine=java version "one.one.eight"\n', b'found jvm version: '),
        ]
        with WineBed() as bed:
            for name, config, why in rows:
                with self.subTest(name):
                    bed.add_jvm('jre', '1.1.8', product='Java Runtime Environment', config=config)
                    prepare(bed, 'jvmCommandName=javaw.exe\n', trace=True)
                    if bed.exists('errors.log'):
                        os.remove(bed.path('errors.log'))
                    run = bed.run('')
                    self.assertNormalEnd(run)
                    self.assertEqual([box[2] for box in run.boxes], [NO_JRE + SUFFIX])
                    self.assertIn(b"Jvm isn't installed properly.", log_lines(bed, 'errors.log'))
                    self.assertIn(why, log_lines(bed, 'jinstall.log'))
                    self.assertFalse(bed.exists('jvmGood.txt'))


if __name__ == '__main__':
    unittest.main()

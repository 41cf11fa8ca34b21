"""Installing the JVM an installation carries, when the machine has none that fits:
what is never overwritten, a vendor's installer, the failures the user is told
about, and where it lands with registry values and PATHs that are hostile."""
import os
import shutil
import unittest

from winebed import (DISK_HINT, JRE_KEY, OTHER_CAUSES, SUFFIX, TOOLS_DIR, WineBed, jvm_runs, read_record,
                     reg_binary, reg_dword, reg_text)

WIN = r'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion'
NT = r'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion'
TEN_KB = 10240
ON_WINDOWS = 'predefinedJvmInstallDir=[$WinDir]\\jre\n'
IN_PROGRAM_FILES = r'c:\program files\javasoft\jre1.3\1.3.1'
STANDARD_DIRS = {(WIN, 'ProgramFilesDir'): reg_text('C:\\Program Files'),
                 (NT, 'SystemRoot'): reg_text('C:\\windows')}
WINDOWS_COPIES = ('java.exe', 'javaw.exe', 'system/msvcrt.dll')



def reg_value(bed, key, name):
    return bed.reg_query(key).get(name.lower(), (None, None))[1]


class CarriedJvm(unittest.TestCase):
    def test_one_for_the_wizard_alone_goes_into_the_installation_unregistered_and_is_removed_after(self):
        with WineBed() as bed:
            bed.carry_jvm('predefinedJvmInstallDir=[$AppDir]/jvm\n')
            self.assertEqual(bed.run('').boxes, [])
            self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'], [
                b'nativeJvmHomeDir=%s/jvm' % bed.windows_path(bed.install_dir).replace('\\', '/').encode(),
                b'nativeJvmInstalled=true', b'nativeJvmInstalledInTemp=true', b'configureWinRegistry=true'])
            self.assertEqual([bed.reg_query(JRE_KEY), bed.reg_query(JRE_KEY + r'\1.3.1')], [{}, {}])
            self.assertEqual(bed.existing('jvm', 'native.properties', 'jinstall.log', 'errors.log',
                                          bed.drive_c('windows', 'javaw.exe')), [])

    def test_nothing_that_exists_is_overwritten(self):
        with WineBed() as bed:
            bed.reg_add(JRE_KEY, 'CurrentVersion', '1.2')
            bed.reg_add(JRE_KEY + r'\1.3', 'MicroVersion', '0')
            bed.reg_add(JRE_KEY + r'\1.3', 'JavaHome', r'C:\elsewhere')
            bed.write(bed.drive_c('windows', 'java.exe'), b'the user\'s own java.exe')
            bed.carry_jvm('')
            self.assertEqual(bed.run('').boxes, [])
            self.assertEqual(reg_value(bed, JRE_KEY, 'CurrentVersion'), '1.2')
            self.assertEqual(bed.reg_query(JRE_KEY + r'\1.3'), {'javahome': ('REG_SZ', r'C:\elsewhere'),
                                                                'microversion': ('REG_SZ', '0')})
            self.assertEqual(reg_value(bed, JRE_KEY + r'\1.3.1', 'JavaHome'), IN_PROGRAM_FILES)
            self.assertEqual(bed.read(bed.drive_c('windows', 'java.exe')), b'the user\'s own java.exe')
            # Not the current version: no launchers are copied.
            self.assertFalse(os.path.exists(bed.drive_c('windows', 'javaw.exe')))
            # Program Files is no temporary place: the wizard is not told about one.
            self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'], [
                b'nativeJvmHomeDir=C:/Program Files/JavaSoft/JRE1.3/1.3.1', b'nativeJvmInstalled=true',
                b'configureWinRegistry=true'])
            self.assertFalse(bed.exists('jinstall.log') or bed.exists('errors.log'))

    # A vendor's installer registers its JVM where it likes: the search then finds it there.
    def test_the_installers_arguments_name_the_jvm_directory_and_a_vendors_jvm_is_found_after(self):
        words = 'jvmInstallerArguments=/s INSTALLDIR=[$JvmDir]  /quiet\n'
        into = 'predefinedJvmInstallDir=[$ProgFilesDir]\\Acme Java\n'
        vendor = {'home': 'C:\\VendorJava', 'register': 'Java Runtime Environment\\1.3', 'micro': '1'}
        given = b'/s "INSTALLDIR=C:\\Program Files\\Acme Java" /quiet'
        rows = [  # name, control, the installer double's configuration, its arguments (None: not run)
            ('self-extractor', words + into, {}, given),
            # A relative directory is given in full: an installer cannot tell what it is relative to.
            ('vendor installer', words + 'predefinedJvmInstallDir=Acme Java\njvmThirdPartyInstaller=yes\n', vendor,
             b'/s "INSTALLDIR=%s\\Acme Java" /quiet'),
            ('vendor installer without a directory', words + 'jvmThirdPartyInstaller=yes\n', vendor, None),
        ]
        for name, control, config, arguments in rows:
            with self.subTest(name), WineBed() as bed:
                bed.carry_jvm(control + 'jvmCommandName=javaw.exe\n', trace=True, **config)
                run = bed.run('')
                if arguments is None:
                    self.assertEqual(run.texts, [b'Unable to install JRE 1.3.1. ' + DISK_HINT + SUFFIX])
                    self.assertFalse(bed.exists('extractor-runs.txt'))
                    self.assertIn(b'jvmInstallerArguments names [$JvmDir], but predefinedJvmInstallDir names no '
                                  b'directory for the vendor installer', bed.log('jinstall.log'))
                    continue
                self.assertEqual(run.boxes, [])
                self.assertEqual(bed.read('extractor-runs.txt').split(b'|')[0].split(b' ', 1)[1],
                                 arguments.replace(b'%s', bed.windows_path(bed.install_dir).encode()))
                if config:
                    self.assertIn(b'Found correct version of JVM: C:\\VendorJava\\bin\\javaw.exe',
                                  bed.log('jinstall.log'))
                    self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'][:2],
                                     [b'nativeJvmHomeDir=C:/VendorJava', b'nativeJvmInstalled=true'])

    def test_a_carried_jvm_that_is_missing_or_fails_its_test_is_reported_and_no_wizard_runs(self):
        unable = b'Unable to install JRE 1.3.1. ' + DISK_HINT
        rows = [  # name, the extractor's name in the control file, its version, the box, errors.log
            ('named but missing', 'gone.exe', '1.3.1', b'Unable to find JRE 1.3.1 on your system.',
             [b'Please install the JVM and re-start this installer.']),
            ('what it unpacks reports another version', 'jre-setup.exe', '1.2.2', unable, OTHER_CAUSES),
            # It is run from the JVM's directory, where a relative directory no longer leads to it.
            ('named with a directory', 'sub/jre-setup.exe', '1.3.1', unable, OTHER_CAUSES),
        ]
        for name, extractor, version, box, detail in rows:
            with self.subTest(name), WineBed() as bed:
                bed.carry_jvm('jvmSelfExtractor=%s\n' % extractor, version=version)
                if extractor.startswith('sub/'):
                    os.makedirs(bed.path('sub'))
                    shutil.move(bed.path('jre-setup.exe'), bed.path('sub'))
                self.assertEqual(bed.run('').texts, [box + SUFFIX])
                self.assertEqual(bed.log('errors.log')[-1 - len(detail):], [box] + detail)
                self.assertFalse(bed.exists('wizard-run.txt'))
                # The working directory is back where it was.
                back = [b'current directory after chdir:  ' + bed.windows_path(bed.install_dir).encode()]
                self.assertEqual([line for line in bed.log('jinstall.log') if b'after chdir' in line][-1:],
                                 back if extractor != 'gone.exe' else [])


class BundledRuntime(unittest.TestCase):
    # jvmBundledDir: a runtime that lies ready in the installation is tested like any JVM, runs the
    # wizard, and is never registered or copied; when it fails, the carried JVM is installed: as a
    # Java of today, registered, but nothing of it goes into the Windows directories.
    def test_the_installations_own_runtime_is_tested_and_used_but_never_registered_or_copied(self):
        rows = [  # name, control, a registered JVM, the bundled runtime's version, whose wizard runs
            ('first, before a registered JVM', 'jvmBundledFirst=true\n', True, '21.0.2', 'jre'),
            ('after a registered JVM', '', True, '21.0.2', 'registered'),
            ('when no JVM is found', '', False, '21.0.2', 'jre'),
            ('not acceptable: the carried JVM is installed', '', False, '17.0.9', 'carried'),
        ]
        for name, control, registered, version, runs in rows:
            with self.subTest(name), WineBed() as bed:
                if registered:
                    registered = bed.add_jvm('jdk21', '21.0.1', product='Java Runtime Environment', subkey='21')
                bed.carry_jvm('jvmVersionCompare=numeric\njvmMinVersion=21\njvmVersion=21\njvmCommandName=javaw.exe\n'
                              'jvmBundledDir=jre\n' + control, trace=True, version='21')
                bed.write('jre/bin/jvm-double.txt', 'version=%s\n' % version)
                shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), bed.path('jre/bin/javaw.exe'))
                registry = bed.reg_query(JRE_KEY)
                self.assertEqual(bed.run('').boxes, [])
                home = {'jre': bed.path('jre/bin'),
                        'carried': bed.drive_c('Program Files/JavaSoft/JRE21/21/bin')}.get(runs, registered)
                self.assertEqual([b' TestJvm ' in line for line in jvm_runs(home)], [True, False])
                self.assertEqual(jvm_runs(registered) if registered and runs != 'registered' else [], [])
                self.assertEqual(bed.exists('extractor-runs.txt'), runs == 'carried')
                if runs == 'jre':
                    self.assertEqual(bed.reg_query(JRE_KEY), registry)
                    self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'], [
                        b'nativeJvmHomeDir=%s/jre' % bed.windows_path(bed.install_dir).replace('\\', '/').encode(),
                        b'nativeJvmInstalled=false', b'nativeJvmInstalledInTemp=false', b'configureWinRegistry=false'])
                elif runs == 'carried':
                    values = [reg_value(bed, JRE_KEY, 'CurrentVersion'), reg_value(bed, JRE_KEY + r'\21', 'JavaHome')]
                    self.assertEqual(values, ['21', r'c:\program files\javasoft\jre21\21'])
                    self.assertIn(b'nothing of JVM 21 copied into the Windows directories: a launcher of Java 9 or '
                                  b'later starts only from its own home', bed.log('jinstall.log'))
                self.assertEqual(bed.existing(*(bed.drive_c('windows', copy) for copy in WINDOWS_COPIES)), [])


class HostileRegistry(unittest.TestCase):
    def install_carried_jvm(self, bed, values, control, search_path=None):
        """Installs the carried JVM with these registry values and WINEPATH, and runs the wizard
        with it; returns the JavaHome registered."""
        bed.set_registry({**STANDARD_DIRS, **values})
        bed.carry_jvm(control)
        bed.launch_env = {'WINEPATH': search_path} if search_path else {}
        run = bed.run('')
        self.assertLess(run.exit_code, 0x80000000, 'an exception code')
        self.assertEqual(run.boxes, [])
        return reg_value(bed, JRE_KEY + r'\1.3.1', 'JavaHome')

    def test_windows_directory_and_program_files_missing_of_the_wrong_type_or_10_kb_still_place_the_jvm(self):
        rows = [  # name, values, control, JVM home registered, where the launchers are copied (None: installation)
            ('SystemRoot REG_BINARY', {(NT, 'SystemRoot'): reg_binary(b'C:\\windows')}, ON_WINDOWS,
             r'c:\windows\jre', 'windows'),
            # An unreadable Windows directory: the current directory stands in for it.
            ('SystemRoot REG_DWORD 0', {(NT, 'SystemRoot'): reg_dword(0)}, ON_WINDOWS, IN_PROGRAM_FILES, None),
            # No Program Files: below the Windows directory.
            ('ProgramFilesDir missing', {(WIN, 'ProgramFilesDir'): reg_text('Q:\\none')}, '',
             r'c:\windows\jvm\jre1.3\1.3', 'windows'),
            # Then below the installation directory: still an absolute home is registered.
            ('ProgramFilesDir REG_DWORD 0', {(WIN, 'ProgramFilesDir'): reg_dword(0)}, '', None, 'windows'),
            ('ProgramFilesDir of 10 KB', {(WIN, 'ProgramFilesDir'): reg_text('C:\\Program Files' + 'x' * TEN_KB)},
             '', None, 'windows'),
        ]
        for name, values, control, home, launchers in rows:
            with self.subTest(name), WineBed() as bed:
                registered = self.install_carried_jvm(bed, values, control)
                if home:
                    self.assertEqual(registered, home)
                else:
                    self.assertRegex(registered, r'^[a-z]:\\')
                self.assertTrue(bed.exists(os.path.join(bed.drive_c(launchers) if launchers else '', 'javaw.exe')))

    def test_a_path_of_2000_entries_and_100_kb_is_searched_to_its_last_entry(self):
        # Wine cuts a PATH from the registry to about 1 KB; WINEPATH comes through whole,
        # in front of the registry's PATH.
        path = ';'.join('Q:\\%s%04d' % ('l' * 44, i) for i in range(2000))
        nowhere = {(WIN, 'ProgramFilesDir'): reg_text('Q:\\none'), (NT, 'SystemRoot'): reg_text('Q:\\nowin')}
        searches = [  # the search, the PATH entry found last, values, control, JVM home, launchers
            ('home directory', 'mywinnt', {(NT, 'SystemRoot'): reg_text('x' * TEN_KB)}, ON_WINDOWS,
             r'c:\mywinnt\jre', 'mywinnt'),
            ('JVM directory', 'pathjvm', nowhere, '', r'c:\pathjvm\jvm\jre1.3\1.3', None),
        ]
        for search, last, values, control, home, launchers in searches:
            with self.subTest(search), WineBed() as bed:
                os.makedirs(bed.drive_c(last))
                registered = self.install_carried_jvm(bed, values, control, path + ';C:\\' + last)
                self.assertEqual(registered, home)
                self.assertTrue(launchers is None or os.path.exists(bed.drive_c(launchers, 'javaw.exe')))

"""The roads on every Windows release: Wine answers the launcher, and only it, as
Windows 95 to 10, so that what the launcher does by family (the home directory, the
login name, the Windows directory that takes a carried JVM, the ANSI functions
instead of the wide ones on 95, 98 and Me) is what a machine of that family gets;
and Windows 10 in Japanese, code page 932. Each release has its own tests, named for it."""
import os
import shutil
import unittest

from winebed import JRE_KEY, WineBed, read_record, reg_text

NINE_X = ('win95', 'win98', 'winme')
NT = ('nt40', 'win2k', 'winxp', 'win7', 'win10')
# Each release with the language of its Unix locale (None: Wine's own, code page 1252) and
# the installation's folder; in Shift-JIS the second byte of its first and of its last character
# is a backslash.
RELEASES = [(version, None, 'install dir') for version in NINE_X + NT] + [('win10', 'ja_JP', '\u30bd\u30d5\u30c8\u8868')]
THAI = '\u0e15\u0e34\u0e14\u0e15\u0e31\u0e49\u0e07'  # 'install': neither code page 1252 nor 932 holds it
NT_KEY = r'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion'
NT_SETUP = NT_KEY + r'\SETUP'
NINE_X_SETUP = r'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\SETUP'
WINLOGON = NT_KEY + r'\Winlogon'
NETWORK_LOGON = r'HKEY_LOCAL_MACHINE\Network\Logon'
# A machine on which each family finds its own Windows directory and login name:
# NT its SystemRoot, C:\windows as the prefix has it, 9x its Setup value.
MACHINE = {(NINE_X_SETUP, 'WinDir'): reg_text('C:\\Win9x'), (WINLOGON, 'DefaultUserName'): reg_text('anna'),
           (NETWORK_LOGON, 'username'): reg_text('bert')}
FAMILY = {True: ('windows', 'anna'), False: ('Win9x', 'bert')}  # NT: Windows directory, login name
# Windows directories a test names; each with its "system" folder, as Windows has it.
DIRECTORIES = ('Win9x', 'SysRoot', 'PathName', 'WinDir', 'SetupNT', 'Setup9x', 'MyWinNT', 'MyWindows')
REPORT = 'exitCodeReport=yes\n'
KEYSTORE = 'keystoreFilename=${user.home}/identitydb.obj\n'
USER_POLICY = 'userSecurityPolicyFilename=${user.home}/.java.policy\n'
STORE = b'certificates\r\n'
OWN_JAVA = b"the user's own java.exe"
POLICY = b'grant { permission java.security.AllPermission; };\r\n'


def plays(bed, version, values=MACHINE, search_path=None):
    """Makes Wine answer the launcher as this release (the test doubles keep Wine's
    own), with these machine values, WINEPATH in front of the search path and a profile."""
    bed.reg_add(r'HKCU\Software\Wine\AppDefaults\launcher.exe', 'Version', version)
    bed.set_registry(values)
    for folder in [directory + '/system' for directory in DIRECTORIES] + ['users/tester']:
        os.makedirs(bed.drive_c(folder), exist_ok=True)
    bed.launch_env = dict({'WINEPATH': search_path} if search_path else {}, USERPROFILE=r'C:\users\tester')


def home_traces(bed):
    return [line for line in bed.log('jinstall.log') if b'windows directory' in line or b'home directory' in line]


class EveryRelease(unittest.TestCase):
    def main_road(self, version, locale, folder):
        """Started by its full path from another folder, as a deployment tool may, the launcher
        works in its own; a found JVM runs the wizard; the certificate store goes to the
        family's Windows directory and its login's profile, and with the user policy, from 2000 on,
        to the user's profile too; the clean-up program takes over.
        The folder it was started from is named in Thai, which the ANSI code page cannot hold:
        NT traces it by its wide name; 95, 98 and Me have no wide functions, so by the ANSI one."""
        nt = version in NT
        home, login = FAMILY[nt]
        with WineBed(folder, locale=locale) as bed:
            plays(bed, version)
            bed.found_jvm(REPORT + KEYSTORE + USER_POLICY + 'loaderJavaCommand=Wizard\n')
            bed.hand_over()
            bed.write('identitydb.obj', STORE)
            bed.write('.java.policy', POLICY)
            caller = bed.drive_c(THAI)
            os.makedirs(caller)
            run = bed.run('', from_dir=caller)
            self.assertEqual([run.texts, len(run.status), run.exit_code, os.listdir(caller)], [[], 1, 0, []])
            named = ''.join('<U+%04X>' % ord(c) for c in THAI) if nt else '?' * len(THAI)
            own = bed.windows_path(bed.install_dir).encode('cp932' if locale else 'cp1252')
            self.assertIn(b"kiv.control is not in the current directory C:\\%s: the launcher's own folder %s is used"
                          % (named.encode(), own), bed.log('jinstall.log'))
            record = read_record(bed.path('wizard-run.txt'))
            self.assertEqual(record[b'cmdline'], b'javaw.exe  .;install.jar Wizard')
            self.assertEqual(record[b'native.properties'][:2],
                             [b'nativeJvmHomeDir=C:/jre', b'nativeJvmInstalled=false'])
            in_profile = version not in NINE_X + ('nt40',)
            places = [(home, 'identitydb.obj'), (home, 'profiles', login, 'identitydb.obj'), (home, '.java.policy')]
            places += [('users', 'tester', 'identitydb.obj'), ('users', 'tester', '.java.policy')] * in_profile
            for place in places:
                self.assertEqual(bed.read(bed.drive_c(*place)), POLICY if place[-1] == '.java.policy' else STORE)
            self.assertEqual(sorted(os.listdir(bed.drive_c('users', 'tester'))),
                             ['.java.policy', 'identitydb.obj'] if in_profile else [])
            other_home, other_login = FAMILY[not nt]
            self.assertEqual(bed.existing(bed.drive_c(other_home, 'identitydb.obj'),
                                          bed.drive_c(home, 'profiles', other_login)), [])
            # NT names the registry value it took; the 9x value goes unnamed.
            self.assertEqual(home_traces(bed), [b'got home directory from SystemRoot'] if nt else [])
            self.assertTrue(bed.wait_for(lambda: bed.exists('cleanup-run.txt')))
            self.assertEqual(read_record(bed.path('cleanup-run.txt'))[b'long[1]'].decode('utf-8'),
                             bed.windows_path(bed.install_dir))
            copied = bed.log(bed.drive_c('elsewhere', 'jinstall.log'))
            self.assertIn(b'exit code 0:', [line[:12] for line in copied])

    def carried_jvm_road(self, version, locale, folder):
        """No JVM on the machine: the carried one goes into the family's Windows
        directory, is registered, gets its launchers copied there (beside the user's
        own java.exe, which stays) and the security policy, and runs the wizard."""
        nt = version in NT
        home = FAMILY[nt][0]
        with WineBed(folder, locale=locale) as bed:
            plays(bed, version)
            bed.write(bed.drive_c(home, 'java.exe'), OWN_JAVA)
            bed.carry_jvm(REPORT + 'predefinedJvmInstallDir=[$WinDir]\\jre\n'
                          'userSecurityPolicyFilename=${java.home}/lib/security/java.policy\n')
            bed.write('java.policy', POLICY)
            run = bed.run('')
            self.assertEqual([run.texts, run.exit_code], [[], 0])
            self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'], [
                b'nativeJvmHomeDir=C:/%s/jre' % home.encode(), b'nativeJvmInstalled=true',
                b'nativeJvmInstalledInTemp=false', b'configureWinRegistry=true'])
            jvm = 'c:\\%s\\jre' % home.lower()
            self.assertEqual(bed.reg_query(JRE_KEY)['currentversion'], ('REG_SZ', '1.3'))
            for key in ('1.3', '1.3.1'):
                self.assertEqual(bed.reg_query(JRE_KEY + '\\' + key), {
                    'javahome': ('REG_SZ', jvm), 'microversion': ('REG_SZ', '1'),
                    'runtimelib': ('REG_SZ', jvm + r'\bin\hotspot\jvm.dll')})
            copies = [bed.drive_c(windows, name) for windows in (home, FAMILY[not nt][0])
                      for name in ('javaw.exe', 'java.exe', 'system/msvcrt.dll')]
            self.assertEqual(bed.existing(*copies), copies[:3])  # only in the family's own
            # The policy goes into the JVM just installed; a launcher the Windows directory
            # holds already is never replaced.
            self.assertEqual([bed.read(bed.drive_c(home, 'jre', 'lib', 'security', 'java.policy')),
                              bed.read(bed.drive_c(home, 'java.exe'))], [POLICY, OWN_JAVA])


class ProfileCopies(unittest.TestCase):
    def test_a_replace_in_plug_in_mode_backs_up_both_the_home_and_the_profile_file_on_win10(self):
        with WineBed() as bed:
            plays(bed, 'win10')
            bed.applet(REPORT + USER_POLICY + 'jvmCommandName=javaw.exe\n'
                       'appletUrl=http://example.invalid/start.html\n')
            bed.write('.java.policy', POLICY)
            homes = (bed.drive_c('windows'), bed.drive_c('users', 'tester'))
            for home in homes:
                bed.write(os.path.join(home, '.java.policy'), OWN_JAVA)
            self.assertEqual(bed.run('').exit_code, 0)
            self.assertEqual([bed.read(os.path.join(home, name)) for home in homes
                              for name in ('.java.policy', '.java.001')], [POLICY, OWN_JAVA] * 2)


def nt_values(*missing):
    """Every NT source of the Windows directory, and the 9x one, each naming its own
    directory; those named in `missing` deleted, but SystemRoot left empty, which counts
    as missing too."""
    values = {(NT_KEY, 'SystemRoot'): 'SysRoot', (NT_KEY, 'PathName'): 'PathName', (NT_KEY, 'WinDir'): 'WinDir',
              (NT_SETUP, 'WinDir'): 'SetupNT', (NINE_X_SETUP, 'WinDir'): 'Setup9x'}
    gone = lambda name: reg_text('') if name == 'SystemRoot' else '-'
    return {(key, name): gone(name) if name in missing or (key, name) in missing else reg_text('C:\\' + directory)
            for (key, name), directory in values.items()}


ALL_NT = ('SystemRoot', 'PathName', (NT_KEY, 'WinDir'), (NT_SETUP, 'WinDir'))
NONE = nt_values(*ALL_NT, (NINE_X_SETUP, 'WinDir'))  # no Windows directory in the registry at all
NO_REGISTRY = 'unable to get windows directory from registry'


class FamilyBranches(unittest.TestCase):
    def check_homes(self, version, rows):
        """Each row: its machine values, WINEPATH, whether C:\\winnt exists; the home
        directory, which takes the certificate store and the JVM's launchers (None: the
        installation directory stands in), where [$WinDir] puts the carried JVM (as the
        wizard is told), and the home directory's trace lines."""
        for values, search_path, winnt, home, jvm, traces in rows:
            with self.subTest(home=home, jvm=jvm, path=search_path), WineBed() as bed:
                plays(bed, version, values, search_path)
                if winnt:
                    os.makedirs(bed.drive_c('winnt', 'system'))
                bed.carry_jvm(KEYSTORE + 'predefinedJvmInstallDir=[$WinDir]\\jre\n', trace=True)
                bed.write('identitydb.obj', STORE)
                self.assertEqual(bed.run('').texts, [])
                self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'][0],
                                 b'nativeJvmHomeDir=' + jvm.encode())
                taken = bed.drive_c(home) if home else bed.install_dir
                self.assertTrue(os.path.exists(os.path.join(taken, 'javaw.exe')))
                self.assertTrue(home is None or os.path.exists(os.path.join(taken, 'identitydb.obj')))
                self.assertEqual(home_traces(bed), [line.encode() for line in traces])

    def test_nt_takes_its_four_registry_values_in_order_then_a_winnt_path_entry_then_c_winnt_on_win2k(self):
        # The search for the JVM's place also asks the 9x value; the home directory does not.
        self.check_homes('win2k', [
            (nt_values(), None, True, 'SysRoot', 'C:/SysRoot/jre', ['got home directory from SystemRoot']),
            (nt_values('SystemRoot'), None, True, 'PathName', 'C:/PathName/jre',
             ['got home directory from PathName']),
            (nt_values('SystemRoot', 'PathName'), None, True, 'WinDir', 'C:/WinDir/jre',
             ['got home directory from WinDir']),
            (nt_values('SystemRoot', 'PathName', (NT_KEY, 'WinDir')), None, True, 'SetupNT', 'C:/SetupNT/jre',
             ['got home directory from Setup WinDir']),
            (nt_values(*ALL_NT), 'C:\\MyWinNT', True, 'MyWinNT', 'C:/Setup9x/jre', [NO_REGISTRY]),
            (NONE, 'C:\\MyWinNT', True, 'MyWinNT', 'c:/mywinnt/jre', [NO_REGISTRY]),
            (NONE, None, True, 'winnt', 'c:/winnt/jre', [NO_REGISTRY]),
            # Nothing at all: the installation directory stands in, the JVM goes to Program Files.
            (NONE, None, False, None, 'C:/Program Files/JavaSoft/JRE1.3/1.3.1',
             [NO_REGISTRY, 'unable to get windows directory']),
        ])

    def test_9x_takes_its_setup_value_then_a_windows_path_entry_and_never_the_nt_values_on_win98(self):
        self.check_homes('win98', [
            (nt_values(), None, True, 'Setup9x', 'C:/Setup9x/jre', []),
            (nt_values((NINE_X_SETUP, 'WinDir')), 'C:\\MyWindows', True, 'MyWindows', 'c:/mywindows/jre',
             [NO_REGISTRY]),
            # Wine's search path holds C:\\windows.
            (nt_values((NINE_X_SETUP, 'WinDir')), None, True, 'windows', 'c:/windows/jre', [NO_REGISTRY]),
        ])

    def check_login_names(self, version, rows):
        """Each row: the login values (those not given are deleted), and the profile that
        gets the certificate store beside the Windows directory's copy, or None."""
        with WineBed() as bed:
            for values, login in rows:
                with self.subTest(login=login, values=values):
                    names = {(WINLOGON, 'UserName'): '-', (WINLOGON, 'DefaultUserName'): '-',
                             (NETWORK_LOGON, 'username'): '-'}
                    names.update({key: reg_text(value) for key, value in values.items()})
                    plays(bed, version, names)
                    shutil.rmtree(bed.drive_c('windows', 'profiles'), ignore_errors=True)
                    bed.found_jvm(KEYSTORE)
                    bed.write('identitydb.obj', STORE)
                    self.assertEqual(bed.run('').texts, [])
                    self.assertTrue(bed.exists('wizard-run.txt'))
                    profiles = bed.drive_c('windows', 'profiles')
                    self.assertEqual(os.listdir(profiles) if os.path.exists(profiles) else [],
                                     [login] if login else [])
                    self.assertEqual(b'unable to find login name in registry' in bed.log('jinstall.log'),
                                     not login)
                    os.remove(bed.path('jinstall.log'))

    def test_nt_logs_in_as_winlogons_user_name_else_its_default_user_name_on_winxp(self):
        both = {(WINLOGON, 'DefaultUserName'): 'anna', (NETWORK_LOGON, 'username'): 'bert'}
        self.check_login_names('winxp', [
            ({(WINLOGON, 'UserName'): 'nora', **both}, 'nora'),
            ({(WINLOGON, 'UserName'): '', **both}, 'anna'),
            ({(NETWORK_LOGON, 'username'): 'bert'}, None),
        ])


def _one_test_per_release(cls):
    for version, locale, folder in RELEASES:
        for road in ('main_road', 'carried_jvm_road'):
            def test(self, road=road, release=(version, locale, folder)):
                getattr(self, road)(*release)
            test.__doc__ = getattr(cls, road).__doc__
            setattr(cls, 'test_%s_on_%s%s' % (road, version, '_cp932' if locale else ''), test)
    return cls


_one_test_per_release(EveryRelease)

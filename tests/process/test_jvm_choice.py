"""Choosing the right JVM on today's machines (opt-in): more places to look, the architecture
(jvmArch), the newest first (jvmChoose), a test with the wizard's own options
(jvmTestWithOptions), and the versions the vendors write."""
import os
import shutil
import unittest

from winebed import ARCH, NATIVE, NO_JRE_BOX, TOOLS_DIR, ZULU, WineBed, jvm_runs as runs

MODERN = 'jvmSearchModern=true\njvmVersionCompare=numeric\njvmCommandName=javaw.exe\n'
VIEW = ' (64-bit view)' if ARCH == 'win64' else ''  # `reg add` writes the native view
ENVIRONMENT = r'HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
CYRILLIC = '\u0434\u0436\u0430\u0432\u0430'  # 'java' in Russian
# The other registry view's Program Files, where there is one.
PROGRAM_FILES = 'Program Files (x86)' if ARCH == 'win64' else 'Program Files'


def missing(trace, *lines):
    """The lines the trace lacks."""
    return [line for line in lines if line not in trace]


def zulu(bed, home, key, reported, **more):
    return bed.add_jvm(home, reported, key=ZULU + key, home_value='InstallationPath', **more)


class Places(unittest.TestCase):
    def test_ibm_semeru_sapmachine_zulu_32_bit_and_the_authors_keys_follow_in_this_order(self):
        places = [  # key, the value that names the home, the version its JVM reports
            (r'SOFTWARE\IBM\Java2 Runtime Environment\1.4.2', 'JavaHome', '1.4.2'),
            (r'SOFTWARE\IBM\Java Runtime Environment\1.6.0', 'JavaHome', '1.6.0'),
            (r'SOFTWARE\IBM\Java Development Kit\1.8.0', 'JavaHome', '1.8.0'),
            (r'SOFTWARE\Semeru\JDK\17.0.8.1\openj9\MSI', 'Path', '10'),
            (r'SOFTWARE\Semeru\JRE\11.0.20.1\openj9\MSI', 'Path', '10.0.1'),
            (r'SOFTWARE\SapMachine\JDK\17', 'JavaHome', '10.0.2'),
            (r'SOFTWARE\Azul Systems\Zulu 32-bit\zulu-8', 'InstallationPath', '1.8.0_382'),
            (r'SOFTWARE\Example Vendor\JDK\1', 'JavaHome', '9.0.1'),
            (r'SOFTWARE\Example Vendor\JDK\2', 'Path', '9.0.2'),
            (r'SOFTWARE\Other Vendor\JRE\3', 'InstallationPath', '9.0.3'),
            (r'SOFTWARE\Other Vendor\JRE\4', 'InstallLocation', '21'),
        ]
        with WineBed() as bed:
            for number, (key, value, reported) in enumerate(places):
                bed.add_jvm('j%d' % number, reported, key='HKLM\\' + key, home_value=value)
            bed.add_jvm('other', '21', key=r'HKLM\SOFTWARE\Azul Systems\Zulu 32-bit\other',
                        home_value='InstallationPath')  # not a zulu-* key
            bed.installation(MODERN + 'jvmMinVersion=11\n'
                             'jvmSearchKeys=SOFTWARE\\Example Vendor\\JDK; HKLM\\SOFTWARE\\Other Vendor\\JRE\\\n',
                             trace=True)
            self.assertEqual(bed.run('').boxes, [])
            self.assertEqual(bed.candidates(), [
                b'HKLM\\%s%s, home C:\\j%d, version %s: rejected, version outside the bounds' % (
                    key.encode(), VIEW.encode(), number, reported.encode())
                for number, (key, _, reported) in enumerate(places[:-1])] + [
                b'HKLM\\SOFTWARE\\Other Vendor\\JRE\\4%s, home C:\\j10, version 21: accepted' % VIEW.encode()])
            self.assertEqual(runs(bed.drive_c('other', 'bin')), [])
            self.assertIn(b'JVM search: today\'s places; key HKLM\\SOFTWARE\\Example Vendor\\JDK; '
                          b'key HKLM\\SOFTWARE\\Other Vendor\\JRE; versions compared by numbers; '
                          b'version test limited to 60 seconds', bed.log('jinstall.log'))


class UserSources(unittest.TestCase):
    # Elevated (Wine's default) nothing a user can write counts: HKCU, the variables, the user's part of PATH,
    # any folder outside Program Files. Unelevated each source is searched once. No road takes a relative folder.
    def test_what_counts_elevated_and_unelevated(self):
        with WineBed() as bed:
            bins = {name: bed.add_jvm(home, version, key=key) for name, home, version, key in [
                ('hkcu', 'hkcu', '11', r'HKCU\SOFTWARE\JavaSoft\JDK\11'), ('java', CYRILLIC, '12', None),
                ('jdk', 'jdkhome', '13', None), ('jre', 'jrehome', '14', None), ('machine', 'pathjdk', '17', None),
                ('trusted', PROGRAM_FILES + r'\jdk', '17', None), ('user', 'userjdk', '16', None)]}
            bed.add_jvm('nobin', '17', in_bin=False)
            bins['relative'] = bed.path(os.path.join('relative', 'bin'))
            shutil.copytree(bins['user'], bins['relative'])
            shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), bed.drive_c('windows', 'javaw.exe'))
            bed.reg_add(ENVIRONMENT, 'PATH', '%SystemRoot%;relative\\bin;\\\\server\\share\\bin;C:\\nobin;'
                        '"%SystemDrive%\\pathjdk\\bin\\";C:\\' + PROGRAM_FILES + '\\jdk\\bin', kind='REG_EXPAND_SZ')
            bed.launch_env = {'JAVA_HOME': 'C:\\' + CYRILLIC, 'JDK_HOME': r'C:\jdkhome', 'JRE_HOME': r'"C:\jrehome\"',
                              'WINEPATH': r'C:\userjdk\bin'}  # Wine puts it first in the process's PATH
            bed.installation(MODERN + 'jvmMinVersion=17\n', trace=True)
            self.assertEqual(bed.run('').boxes, [])
            trace = bed.log('jinstall.log')
            self.assertEqual(missing(trace, b'HKEY_CURRENT_USER, JAVA_HOME, JDK_HOME and JRE_HOME not searched: the '
                                    b'launcher runs elevated, and any program of the user can write them',
                                    b'PATH entry not used, not an absolute path: relative\\bin',
                                    b'PATH entry not used, a network share: \\\\server\\share\\bin',
                                    b'PATH entry not used, outside the Program Files directories: '
                                    b'C:\\pathjdk\\bin'), [])
            self.assertEqual(bed.candidates(), [b'PATH C:\\%s\\jdk\\bin, home C:\\%s\\jdk, version 17: accepted'
                                                % ((PROGRAM_FILES.encode(),) * 2)])
            self.assertEqual([name for name, bin_dir in bins.items() if runs(bin_dir)], ['trusted'])

            bed.installation(MODERN + 'jvmMinVersion=17\n')  # the trace goes on
            self.assertEqual(bed.run('', token='limited').boxes, [])
            trace = bed.log('jinstall.log')[len(trace):]
            self.assertEqual(missing(trace, b'PATH entry not used, not an absolute path: relative\\bin',
                                    b'PATH entry not used, the Windows directory: C:\\windows',
                                    b'PATH entry not used, not a JVM\'s bin folder: C:\\nobin'), [])
            # Only its short form names the Cyrillic JAVA_HOME, whose JVM reports 12.
            lines = [l for l in bed.candidates()[1:] if b'tested before' not in l]
            self.assertEqual([l.split(b', home ')[0] for l in lines], [
                b'HKCU\\SOFTWARE\\JavaSoft\\JDK\\11' + VIEW.encode(), b'JAVA_HOME', b'JDK_HOME', b'JRE_HOME',
                b'PATH C:\\userjdk\\bin', b'PATH C:\\pathjdk\\bin'])
            self.assertEqual([l.split(b', version ')[1][:2] for l in lines], [b'%d' % v for v in (11, 12, 13, 14, 16, 17)])
            self.assertTrue(lines[-1].endswith(b'17: accepted'))
            self.assertEqual(runs(bins['relative']), [])


class Architecture(unittest.TestCase):
    def test_a_jvm_of_an_architecture_not_listed_is_skipped_and_never_run(self):
        other = 'x64' if NATIVE == 'x86' else 'x86'
        for allowed in (NATIVE, other):
            with self.subTest(allowed), WineBed() as bed:
                homes = {'arm64': zulu(bed, 'arm', '17', '17', machine='arm64'),
                         other: zulu(bed, 'foreign', '18', '18', machine=other),
                         NATIVE: zulu(bed, 'native', '19', '19')}
                bed.installation(MODERN + 'jvmMinVersion=11\njvmArch=%s\n' % allowed, trace=True)
                run = bed.run('')
                lines = bed.candidates()
                for arch, bin_dir in homes.items():
                    if arch != allowed:
                        self.assertIn(b', architecture %s: rejected, architecture not listed in jvmArch, not run'
                                      % arch.encode(), b'\n'.join(lines))
                        self.assertEqual(runs(bin_dir), [])
                self.assertEqual(run.texts, [] if allowed == NATIVE else [NO_JRE_BOX])


class Newest(unittest.TestCase):
    CONTROL = MODERN + 'jvmChoose=newest\njvmMinVersion=1.8\n'

    def test_every_candidate_is_gathered_and_the_newest_that_passes_wins(self):
        rows = [  # name, what the newest JVM's double does, the home that wins
            ('the newest passes: nothing else is started', 'version=25\n', 'current'),
            ('the newest fails its test: the next newest', 'version=1.7\n', 'zulu21'),
        ]
        for name, newest, winner in rows:
            with self.subTest(name), WineBed() as bed:
                homes = {
                    'jre8': bed.add_jvm('jre8', '1.8.0_401', product='Java Runtime Environment', subkey='1.8', micro='0'),
                    'jdk17': bed.add_jvm('jdk17', '17.0.2', key=r'HKLM\SOFTWARE\JavaSoft\JDK\17'),
                    'zulu21': zulu(bed, 'zulu21', '21', '21'),
                    # A key whose name gives no version: the home's release file does.
                    'current': zulu(bed, 'current', '25', 'current', config=newest),
                }
                bed.write(bed.drive_c('current', 'release'), 'IMPLEMENTOR="Azul Systems, Inc."\nJAVA_VERSION="25"\n')
                bed.installation(self.CONTROL, trace=True)
                self.assertEqual(bed.run('').boxes, [])
                trace = bed.log('jinstall.log')
                ranked = [l.split(b':')[0] for l in trace if l.startswith(b'jvm candidate ranked by version')]
                self.assertEqual(ranked[:4], [b'jvm candidate ranked by version %s, %s' % (version, NATIVE.encode())
                                              for version in (b'25', b'21', b'17', b'1.8.0')])
                self.assertIn(b'Found correct version of JVM: C:\\%s\\bin\\javaw.exe' % winner.encode(), trace)
                started = [home for home, bin_dir in homes.items() if runs(bin_dir)]
                self.assertEqual(started, ['current'] if winner == 'current' else ['zulu21', 'current'])

    # The keys' names give no version here; the homes' release files give the same.
    def test_a_64_bit_jvm_goes_before_a_32_bit_one_of_the_same_version_then_the_search_order(self):
        with WineBed() as bed:
            for home, key, machine in [('zulu32', 'a', 'x86'), ('zulu64', 'b', 'x64'), ('zulu64c', 'c', 'x64')]:
                zulu(bed, home, key, '17', **({} if NATIVE == machine else {'machine': machine}))
                bed.write(bed.drive_c(home, 'release'), 'JAVA_VERSION="17"\n')
            bed.installation(self.CONTROL, trace=True)
            bed.run('')
            ranked = [l for l in bed.log('jinstall.log') if l.startswith(b'jvm candidate ranked by version')]
            self.assertEqual(ranked, [b'jvm candidate ranked by version 17, %s: %s' % (
                                          arch, (ZULU + key + VIEW).encode())
                                      for arch, key in [(b'x64', 'b'), (b'x64', 'c'), (b'x86', 'a')]])
            winner = 'zulu64' if NATIVE == 'x64' else 'zulu32'
            self.assertIn(b'Found correct version of JVM: C:\\%s\\bin\\javaw.exe' % winner.encode(),
                          bed.log('jinstall.log'))


class TestWithOptions(unittest.TestCase):
    def test_a_jvm_that_refuses_the_wizards_options_fails_its_test_and_the_next_is_tried(self):
        for with_options in (True, False):
            with self.subTest(with_options=with_options), WineBed() as bed:
                small = zulu(bed, 'small', '17', '17', config='version=17\nrefuse=-Xmx2g\n')
                big = zulu(bed, 'big', '18', '17')
                bed.installation(MODERN + 'jvmMinVersion=11\njvmExtraParameters=-Xmx2g -Dx=1\n' +
                                 ('jvmTestWithOptions=true\n' if with_options else ''), trace=True)
                run = bed.run('')
                if with_options:
                    self.assertEqual(run.boxes, [])
                    self.assertTrue(runs(small)[0].startswith(b'javaw.exe -Xmx2g -Dx=1 -cp . TestJvm '))
                    self.assertEqual(runs(big)[1], b'javaw.exe -Xmx2g -Dx=1  .;install.jar ')
                    self.assertEqual(bed.candidates()[0][-40:], b'no version: rejected, no version written')
                else:
                    # Accepted by a test without them, the JVM then fails to start the wizard.
                    self.assertEqual(len(run.boxes), 1)
                    self.assertEqual(runs(big), [])


class VendorVersions(unittest.TestCase):
    # Without TestJvm.class nothing reports a version: the key's own must fit as it is.
    def test_a_registry_version_less_precise_than_the_minimum_is_left_to_a_test_that_ran(self):
        with WineBed() as bed:
            bed.add_jvm('jre8', '1.8.0_401', product='Java Runtime Environment', subkey='1.8', micro='0')
            for tested in (True, False):
                bed.installation('jvmVersionCompare=numeric\njvmMinVersion=1.8.0_77\njvmCommandName=javaw.exe\n')
                if not tested:
                    os.remove(bed.path('TestJvm.class'))
                self.assertEqual(bed.run('').texts, [] if tested else [NO_JRE_BOX])

    # Without jvmSearchModern nothing of today's places is searched: no view, no vendor's key.
    def test_an_msi_product_version_under_the_javasoft_keys_is_read_as_its_java_version(self):
        for modern in (True, False):
            with self.subTest(modern=modern), WineBed() as bed:
                bed.add_jvm('temurin8', '1.8.0_392', product='Java Runtime Environment', subkey='8.0.392.8')
                today = [bed.add_jvm('jdk', '1.8.0_1', product='JDK'), zulu(bed, 'zulu', '8', '1.8.0_2')]
                bed.installation(('jvmSearchModern=true\n' if modern else '') +
                                 'jvmRequiredVersion=1.8\njvmCommandName=javaw.exe\n', trace=True)
                self.assertEqual(bed.run('').texts, [] if modern else [NO_JRE_BOX])
                trace = bed.log('jinstall.log')
                if modern:
                    self.assertEqual(bed.candidates(), [b'HKLM\\SOFTWARE\\JavaSoft\\Java Runtime Environment\\8.0.392.8, '
                                                       b'home C:\\temurin8, version 1.8.0_392: accepted'])
                else:
                    self.assertFalse([l for l in trace if b'JavaSoft\\JDK' in l or b'candidate' in l or b'view' in l])
                    self.assertEqual([runs(t) for t in today] + [trace.count(b'unable to find a compatible Jvm')],
                                     [[], [], 3])

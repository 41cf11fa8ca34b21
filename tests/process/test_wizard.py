"""The main road: a JVM found through the registry, tested, recorded in
native.properties, and the wizard started with it, as the wizard sees it."""
import os
import time
import unittest

from test_control import log_lines, SUFFIX
from winebed import ARCH, WineBed

JRE = 'Java Runtime Environment'
JDK = 'Java Development Kit'
PLUGIN = 'Java Plug-in'
NO_JRE_BOX = b'The correct version of the JRE was not found on your system.' + SUFFIX


def read_record(path):
    """The wizard double's record: key=value lines, then native.properties as it found it."""
    with open(path, 'rb') as f:
        head, _, properties = f.read().partition(b'native.properties:')
    record = dict(line.partition(b'=')[::2] for line in head.splitlines() if line)
    record[b'native.properties'] = properties
    return record


def prepare(bed, control, jar=True, trace=False):
    """An installation with a wizard; with trace, a jinstall.log of the author's that is kept."""
    bed.write('kiv.control', control)
    if trace:
        bed.write('jinstall.log', b'')
    bed.write('TestJvm.class', b'\xca\xfe\xba\xbe')
    if jar:
        bed.write('install.jar', b'PK')


class MainRoad(unittest.TestCase):
    def test_found_jvm_runs_the_wizard_with_the_exact_command_line(self):
        with WineBed() as bed:
            jvm_bin = bed.add_jvm('jre13', '1.3.1', product=JRE, subkey='1.3', micro='1')
            prepare(bed, 'jvmRequiredVersion=1.3.1\njvmClasspathSwitch=-cp\njvmCommandName=javaw.exe\n'
                         'loaderClasspath=.;install.jar;C:\\Program Files\\lib x.jar;swingall.jar\n'
                         'loaderJavaCommand=Wizard  -x\njvmExtraParameters=-Xmx64m\n', trace=True)
            bed.launch_env = {'CLASSPATH': 'C:\\leaked'}
            run = bed.run('-q -s "C:\\My Dir"')
            self.assertEqual(run.boxes, [])
            record = read_record(bed.path('wizard-run.txt'))
            # The empty word of "Wizard  -x" leaves two blanks; the swing entry goes for javaw.exe.
            self.assertEqual(record[b'cmdline'],
                             b'javaw.exe -Xmx64m -cp .;install.jar;"C:\\Program Files\\lib x.jar" '
                             b'Wizard  -x -q "C:\\My Dir"')
            self.assertEqual(record[b'classpath'], b'(unset)')
            self.assertEqual(record[b'cwd'], bed.windows_path(bed.install_dir).encode())
            self.assertEqual(record[b'native.properties'].strip().split(b'\r\n'), [
                b'nativeJvmHomeDir=C:/jre13', b'nativeJvmInstalled=false',
                b'nativeJvmInstalledInTemp=false', b'configureWinRegistry=false'])
            with open(os.path.join(jvm_bin, 'jvm-runs.txt'), 'rb') as f:
                runs = f.read().splitlines()
            directory = bed.windows_path(bed.install_dir).encode()
            self.assertEqual(runs[0].split(b'|')[0], b'javaw.exe -cp . TestJvm "' + directory + b'"')
            self.assertEqual(runs[0].split(b'|')[2], b'classpath=(unset)')
            for name in ('__kivwizard.sem', '__kivshow.sem', '__kivinstall.sem', 'jvmGood.txt'):
                self.assertFalse(bed.exists(name), name)
            trace = log_lines(bed, 'jinstall.log')
            self.assertIn(b'Found correct version of JVM: C:\\jre13\\bin\\javaw.exe', trace)
            self.assertIn(b'Java wizard launched successfully', trace)

    def test_no_switch_when_the_pass_through_argument_is_empty(self):
        with WineBed() as bed:
            bed.add_jvm('jre', '1.1.8', product=JRE)
            prepare(bed, 'loaderJavaCommand=Wizard\n')
            bed.run('-q')
            cmdline = read_record(bed.path('wizard-run.txt'))[b'cmdline']
            self.assertEqual(cmdline, b'javaw.exe  .;install.jar Wizard')


class Search(unittest.TestCase):
    def search_trace(self, bed):
        return [l for l in log_lines(bed, 'jinstall.log')
                if b'registry' in l or b'compatible' in l or b'version' in l]

    def test_an_acceptable_runtime_wins_and_the_development_kit_is_not_opened(self):
        with WineBed() as bed:
            bed.add_jvm('jre', '1.3.1', product=JRE)
            bed.add_jvm('jdk', '1.3.1', product=JDK)
            prepare(bed, 'jvmRequiredVersion=1.3\njvmCommandName=javaw.exe\n', trace=True)
            bed.run('')
            trace = b'\n'.join(self.search_trace(bed))
            self.assertIn(b'JRE registry entry had correct jvm info: true', trace)
            self.assertNotIn(b'Java Development Kit', trace)
            self.assertNotIn(b'JDK registry', trace)

    def test_registry_version_text_and_reported_version_must_both_fit(self):
        with WineBed() as bed:
            bed.add_jvm('old', '1.3.1', product=JRE, subkey='1.2')   # refused by its key
            bed.add_jvm('kit', '1.4.0', product=JDK, subkey='1.3')   # refused by what it reports
            prepare(bed, 'jvmRequiredVersion=1.3\n')
            run = bed.run('')
            trace = log_lines(bed, 'jinstall.log')
            self.assertIn(b'jvm doesn\'t meet criteria', trace)
            self.assertIn(b'found jvm version: 1.4.0', trace)
            self.assertEqual(trace.count(b'unable to find a compatible Jvm'), 3)
            self.assertEqual([b[2] for b in run.boxes], [b'The correct version of the JRE was not '
                                                         b'found on your system.' + SUFFIX])

    def test_plug_in_mode_searches_only_the_plug_in_key(self):
        with WineBed() as bed:
            bed.add_jvm('jre', '1.3.1', product=JRE)
            bed.add_jvm('plugin', '1.3.0', product=PLUGIN, subkey='1.3')
            prepare(bed, 'jvmName=java plug-in\njvmMinVersion=1.2\n')
            bed.run('')
            trace = self.search_trace(bed)
            self.assertIn(b'no known minor version for SOFTWARE\\JavaSoft\\Java Plug-in', trace)
            self.assertIn(b'Java Plugin registry entry had correct jvm info: true', trace)
            self.assertFalse([l for l in trace if b'JRE' in l or b'Runtime' in l])

    def test_no_javasoft_keys_gives_three_failed_searches(self):
        with WineBed() as bed:
            prepare(bed, '')
            bed.run('')
            trace = log_lines(bed, 'jinstall.log')
            self.assertEqual(trace.count(b'unable to find a compatible Jvm'), 3)
            self.assertFalse([l for l in trace if l.startswith(b'searching registry entry')])


def candidates(bed):
    """The trace's candidate lines, without their "jvm candidate: " start."""
    return [l[15:] for l in log_lines(bed, 'jinstall.log') if l.startswith(b'jvm candidate: ')]


def java_options(bin_dir):
    with open(os.path.join(bin_dir, 'jvm-options.txt'), 'rb') as f:
        return f.read().splitlines()


class TodaysJvms(unittest.TestCase):
    """The opt-in keys: today's registry keys and JAVA_HOME, versions by numbers, a clean
    and limited version test, a trace line per candidate."""
    MODERN = ('jvmSearchModern=true\njvmVersionCompare=numeric\njvmMinVersion=11\n'
              'jvmCommandName=javaw.exe\n')

    def test_without_the_new_keys_only_the_written_keys_are_searched(self):
        with WineBed() as bed:
            jdk = bed.add_jvm('jdk17', '17.0.2', product='JDK')
            bed.add_jvm('zulu', '17.0.2', key=r'HKLM\SOFTWARE\Azul Systems\Zulu\zulu-17',
                        home_value='InstallationPath')
            bed.launch_env = {'JAVA_HOME': r'C:\jdk17'}
            prepare(bed, 'jvmMinVersion=11\n', trace=True)
            run = bed.run('')
            self.assertEqual([b[2] for b in run.boxes], [NO_JRE_BOX])
            trace = log_lines(bed, 'jinstall.log')
            self.assertEqual(trace.count(b'unable to find a compatible Jvm'), 3)
            self.assertFalse([l for l in trace if b'JavaSoft\\JDK' in l or b'candidate' in l or b'view' in l])
            self.assertFalse(os.path.exists(os.path.join(jdk, 'jvm-runs.txt')))

    def test_keys_in_order_in_each_view_and_each_executable_tested_once(self):
        # A 32-bit prefix has one registry view, as 32-bit Windows: no view is named there.
        both = ARCH == 'win64'
        with WineBed() as bed:
            old = bed.add_jvm('jdk9', '9.0.4', product='JDK', subkey='9', view='64')
            bed.reg_add(r'HKLM\SOFTWARE\JavaSoft\JDK\9.0.4', 'JavaHome', r'C:\jdk9', view='64')
            temurin = r'HKLM\SOFTWARE\Eclipse Adoptium\JDK\17.0.2.8\hotspot\MSI'
            bed.add_jvm('temurin', '17.0.2+8', key=temurin, home_value='Path', view='32')
            zulu = bed.add_jvm('zulu', '21', key=r'HKLM\SOFTWARE\Azul Systems\Zulu\zulu-21',
                               home_value='InstallationPath')
            prepare(bed, self.MODERN, trace=True)
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            self.assertIn(b'Found correct version of JVM: C:\\temurin\\bin\\javaw.exe',
                          log_lines(bed, 'jinstall.log'))
            self.assertIn(b'registry views searched: ' + (b'64-bit and 32-bit' if both else b'the only one'),
                          log_lines(bed, 'jinstall.log'))
            views = (b' (64-bit view)', b' (32-bit view)') if both else (b'', b'')
            self.assertEqual(candidates(bed), [
                b'HKLM\\SOFTWARE\\JavaSoft\\JDK\\9' + views[0] + b', home C:\\jdk9, version 9.0.4: rejected, '
                b'version outside the bounds',
                b'HKLM\\SOFTWARE\\JavaSoft\\JDK\\9.0.4' + views[0] + b', home C:\\jdk9, version 9.0.4 '
                b'(tested before): rejected, version outside the bounds',
                b'HKLM\\SOFTWARE\\Eclipse Adoptium\\JDK\\17.0.2.8\\hotspot\\MSI' + views[1] +
                b', home C:\\temurin, version 17.0.2+8: accepted'])
            with open(os.path.join(old, 'jvm-runs.txt'), 'rb') as f:
                self.assertEqual(len(f.read().splitlines()), 1)
            self.assertFalse(os.path.exists(os.path.join(zulu, 'jvm-runs.txt')))

    def test_user_sources_are_skipped_by_an_elevated_launcher(self):
        # Wine reports every process elevated; the other road is a unit test's.
        with WineBed() as bed:
            user = bed.add_jvm('userjdk', '17', key=r'HKCU\SOFTWARE\JavaSoft\JDK\17')
            bed.add_jvm('envjdk', '17')
            bed.launch_env = {'JAVA_HOME': r'C:\envjdk'}
            prepare(bed, self.MODERN, trace=True)
            run = bed.run('')
            self.assertEqual([b[2] for b in run.boxes], [NO_JRE_BOX])
            self.assertIn(b'HKEY_CURRENT_USER and JAVA_HOME not searched: the launcher runs elevated, '
                          b'and any program of the user can write them', log_lines(bed, 'jinstall.log'))
            self.assertEqual(candidates(bed), [])
            self.assertFalse(os.path.exists(os.path.join(user, 'jvm-runs.txt')))

    def test_version_test_without_java_options_and_compared_by_numbers(self):
        options = {'JAVA_TOOL_OPTIONS': '-Da=1', '_JAVA_OPTIONS': '-Xmx9m', 'JDK_JAVA_OPTIONS': '-Db=2'}
        all_set = b'JAVA_TOOL_OPTIONS=-Da=1;_JAVA_OPTIONS=-Xmx9m;JDK_JAVA_OPTIONS=-Db=2'
        # As texts 1.8.0_101 sorts below 1.8.0_77; by numbers it is above.
        cases = [('', [b'test|' + all_set], [NO_JRE_BOX]),
                 ('jvmVersionCompare=numeric\n', [b'test|(none)', b'wizard|' + all_set], [])]
        for keys, seen, boxes in cases:
            with self.subTest(keys=keys), WineBed() as bed:
                jre = bed.add_jvm('jre8', '1.8.0_101', product=JRE)
                bed.launch_env = options
                prepare(bed, keys + 'jvmMinVersion=1.8.0_77\njvmCommandName=javaw.exe\n', trace=True)
                run = bed.run('')
                self.assertEqual([b[2] for b in run.boxes], boxes)
                self.assertEqual(java_options(jre), seen)
                self.assertEqual(candidates(bed), [
                    b'HKLM\\SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.8.0_101, home C:\\jre8, '
                    b'version 1.8.0_101: accepted'] if keys else [])

    def test_a_hanging_version_test_is_ended_and_the_next_jvm_tried(self):
        with WineBed() as bed:
            bed.add_jvm('hang', '1.3.1', product=JRE, config='version=1.3.1\nsleep=30000\n')
            bed.add_jvm('jdk', '1.3.1', product=JDK)
            prepare(bed, 'jvmTestTimeout=2\njvmRequiredVersion=1.3\njvmCommandName=javaw.exe\n', trace=True)
            started = time.monotonic()
            run = bed.run('')
            self.assertEqual(run.boxes, [])
            self.assertLess(time.monotonic() - started, 25)  # the hanging test was not waited for
            self.assertIn(b'Jvm version test ended after 2 seconds: C:\\hang\\bin\\javaw.exe',
                          log_lines(bed, 'errors.log'))
            self.assertEqual(candidates(bed), [
                b'HKLM\\SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.3.1, home C:\\hang, no version: '
                b'rejected, timed out',
                b'HKLM\\SOFTWARE\\JavaSoft\\Java Development Kit\\1.3.1, home C:\\jdk, version 1.3.1: '
                b'accepted'])


class WizardStart(unittest.TestCase):
    def test_only_the_semaphore_file_tells_a_proper_start(self):
        cases = [('wizard=no\nexitCode=0\n', False), ('exitCode=3\n', True)]
        for config, started in cases:
            with self.subTest(config), WineBed() as bed:
                bed.add_jvm('jre', '1.1.8', product=JRE, config='version=1.1.8\n' + config)
                prepare(bed, '')
                run = bed.run('')
                self.assertTrue(bed.exists('wizard-run.txt'))
                if started:
                    self.assertEqual(run.boxes, [])
                else:
                    self.assertIn(b'Java wizard not started properly', log_lines(bed, 'errors.log'))
                    self.assertTrue(run.boxes[-1][2].startswith(b'Unable to start the install wizard.'
                                                                b'\r\rIs there a "java" command'))

    def test_missing_install_jar_starts_nothing(self):
        with WineBed() as bed:
            bed.add_jvm('jre', '1.1.8', product=JRE)
            prepare(bed, '', jar=False)
            bed.run('')
            self.assertFalse(bed.exists('wizard-run.txt'))
            self.assertIn(b'install.jar does not exist.', log_lines(bed, 'errors.log'))


if __name__ == '__main__':
    unittest.main()

"""The main road: a JVM found through the registry, tested, recorded in
native.properties, and the wizard started with it, as the wizard sees it."""
import os
import unittest

from test_control import log_lines, SUFFIX
from winebed import WineBed

JRE = 'Java Runtime Environment'
JDK = 'Java Development Kit'
PLUGIN = 'Java Plug-in'


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

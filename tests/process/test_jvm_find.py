"""Finding an installed JVM: the JavaSoft registry entries in their order, the
version test of each candidate, today's keys when asked for, and entries or
JVMs that answer nonsense."""
import os
import time
import unittest

from winebed import ARCH, JRE, NO_JRE_BOX, ZULU, WineBed, jvm_runs, read_record, reg_binary, reg_dword, reg_text

JDK = 'Java Development Kit'
JAVASOFT = r'HKEY_LOCAL_MACHINE\SOFTWARE\JavaSoft'


class Registry(unittest.TestCase):
    def search_trace(self, bed):
        return [line for line in bed.log('jinstall.log')
                if b'registry' in line or b'compatible' in line or b'version' in line]

    def test_an_acceptable_runtime_wins_and_the_development_kit_is_not_opened(self):
        with WineBed() as bed:
            jdk = bed.add_jvm('jdk', '1.3.1', product=JDK)
            bed.found_jvm()
            bed.run('')
            trace = b'\n'.join(self.search_trace(bed))
            self.assertIn(b'JRE registry entry had correct jvm info: true', trace)
            self.assertNotIn(b'Java Development Kit', trace)
            self.assertFalse(jvm_runs(jdk))

    def test_registry_version_text_and_reported_version_must_both_fit(self):
        with WineBed() as bed:
            bed.add_jvm('old', '1.3.1', product=JRE, subkey='1.2')   # refused by its key
            bed.add_jvm('kit', '1.4.0', product=JDK, subkey='1.3')   # refused by what it reports
            bed.installation('jvmRequiredVersion=1.3\n')
            run = bed.run('')
            trace = bed.log('jinstall.log')
            self.assertIn(b'jvm doesn\'t meet criteria', trace)
            self.assertIn(b'found jvm version: 1.4.0', trace)
            self.assertEqual(trace.count(b'unable to find a compatible Jvm'), 3)
            self.assertEqual(run.texts, [NO_JRE_BOX])

    # The plug-in's entry 1.3 names no micro version; without a required version the
    # minimum's supplies it: 1.3.1, which the minimum 1.3.1 accepts.
    def test_plug_in_mode_searches_only_the_plug_in_key(self):
        with WineBed() as bed:
            jre = bed.add_jvm('jre', '1.3.1', product=JRE)
            bed.add_jvm('plugin', '1.3.1', product='Java Plug-in', subkey='1.3')
            bed.installation('jvmName=java plug-in\njvmMinVersion=1.3.1\n')
            bed.run('')
            trace = self.search_trace(bed)
            self.assertIn(b'no known minor version for SOFTWARE\\JavaSoft\\Java Plug-in', trace)
            self.assertIn(b'Java Plugin registry entry had correct jvm info: true', trace)
            self.assertFalse([line for line in trace if b'JRE' in line or b'Runtime' in line] or jvm_runs(jre))

    def test_java_homes_of_10_kb_or_binary_junk_are_refused_and_the_next_entry_is_taken(self):
        jre, jdk = JAVASOFT + '\\%s\\1.1.8' % JRE, JAVASOFT + '\\%s\\1.1.8' % JDK
        long_home, old_jdk = reg_text('C:\\jre' * 2000), JAVASOFT + '\\%s\\1.1' % JDK
        rows = [  # name, values, the home taken, a trace line that tells why
            ('JavaHome of 10 KB beside a Home',
             {(jre, 'JavaHome'): long_home, (jre, 'Home'): reg_text('C:\\jre')}, b'C:/jre', None),
            ('JavaHome of binary junk', {(jre, 'JavaHome'): reg_binary(bytes(range(1, 256)) * 2),
                                         (jdk, 'JavaHome'): reg_text('C:\\jdk')}, b'C:/jdk', None),
            ('JavaHome REG_BINARY', {(jre, 'JavaHome'): reg_binary(b'C:\\jre')}, b'C:/jre', None),
            # A MicroVersion REG_DWORD of 0x38 is the text "8": version 1.1.8.
            ('JavaHome of 10 KB alone',
             {(jre, 'JavaHome'): long_home, (old_jdk, 'JavaHome'): reg_text('C:\\jdk'),
              (old_jdk, 'MicroVersion'): reg_dword(0x38)}, b'C:/jdk', b'no home directory for jvm'),
        ]
        with WineBed() as bed:
            bed.add_jvm('jre', '1.1.8')
            bed.add_jvm('jdk', '1.1.8')
            for name, values, home, why in rows:
                with self.subTest(name):
                    bed.wine('reg', 'delete', JAVASOFT, '/f')
                    bed.set_registry(values)
                    bed.installation('jvmCommandName=javaw.exe\n', trace=True)
                    self.assertEqual(bed.run('').boxes, [])
                    properties = read_record(bed.path('wizard-run.txt'))[b'native.properties']
                    os.remove(bed.path('wizard-run.txt'))
                    self.assertEqual(properties[0], b'nativeJvmHomeDir=' + home)
                    if why:
                        self.assertTrue(any(l.startswith(why) for l in bed.log('jinstall.log')))

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
                    bed.add_jvm('jre', '1.1.8', product=JRE, config=config)
                    bed.installation('jvmCommandName=javaw.exe\n', trace=True)
                    if bed.exists('errors.log'):
                        os.remove(bed.path('errors.log'))
                    self.assertEqual(bed.run('').texts, [NO_JRE_BOX])
                    self.assertIn(b"Jvm isn't installed properly.", bed.log('errors.log'))
                    self.assertIn(why, bed.log('jinstall.log'))
                    self.assertFalse(bed.exists('jvmGood.txt'))


class TodaysJvms(unittest.TestCase):
    """The opt-in keys: today's registry keys, versions by numbers, a clean and limited
    version test, a trace line per candidate."""
    MODERN = 'jvmSearchModern=true\njvmVersionCompare=numeric\njvmMinVersion=11\njvmCommandName=javaw.exe\n'

    # The version test runs without the Java option variables; the wizard keeps them.
    def test_keys_in_order_in_each_view_each_program_tested_once_and_java_options_kept_for_the_wizard(self):
        # A 32-bit prefix has one registry view, as 32-bit Windows: no view is named there.
        both = ARCH == 'win64'
        with WineBed() as bed:
            old = bed.add_jvm('jdk9', '9.0.4', product='JDK', subkey='9', view='64')
            bed.reg_add(r'HKLM\SOFTWARE\JavaSoft\JDK\9.0.4', 'JavaHome', r'C:\jdk9', view='64')
            temurin = r'HKLM\SOFTWARE\Eclipse Adoptium\JDK\17.0.2.8\hotspot\MSI'
            accepted = bed.add_jvm('temurin', '17.0.2+8', key=temurin, home_value='Path', view='32')
            zulu = bed.add_jvm('zulu', '21', key=ZULU + '21', home_value='InstallationPath')
            bed.launch_env = {'JAVA_TOOL_OPTIONS': '-Da=1', '_JAVA_OPTIONS': '-Xmx9m'}
            bed.installation(self.MODERN, trace=True)
            self.assertEqual(bed.run('').boxes, [])
            trace = bed.log('jinstall.log')
            self.assertIn(b'Found correct version of JVM: C:\\temurin\\bin\\javaw.exe', trace)
            searched = b'64-bit and 32-bit' if both else b'the only one'
            self.assertIn(b'registry views searched: ' + searched, trace)
            views = (b' (64-bit view)', b' (32-bit view)') if both else (b'', b'')
            self.assertEqual(bed.candidates(), [
                b'HKLM\\SOFTWARE\\JavaSoft\\JDK\\9' + views[0] + b', home C:\\jdk9, version 9.0.4: rejected, '
                b'version outside the bounds',
                b'HKLM\\SOFTWARE\\JavaSoft\\JDK\\9.0.4' + views[0] + b', home C:\\jdk9, version 9.0.4 '
                b'(tested before): rejected, version outside the bounds',
                b'HKLM\\SOFTWARE\\Eclipse Adoptium\\JDK\\17.0.2.8\\hotspot\\MSI' + views[1] +
                b', home C:\\temurin, version 17.0.2+8: accepted'])
            self.assertEqual(len(jvm_runs(old)), 1)
            self.assertFalse(jvm_runs(zulu))
            self.assertEqual(bed.read(os.path.join(accepted, 'jvm-options.txt')).splitlines(),
                             [b'test|(none)', b'wizard|JAVA_TOOL_OPTIONS=-Da=1;_JAVA_OPTIONS=-Xmx9m'])

    def test_a_hanging_version_test_is_ended_and_the_next_jvm_tried(self):
        with WineBed() as bed:
            bed.add_jvm('hang', '1.3.1', product=JRE, config='version=1.3.1\nsleep=30000\n')
            bed.add_jvm('jdk', '1.3.1', product=JDK)
            bed.installation('jvmTestTimeout=2\njvmRequiredVersion=1.3\njvmCommandName=javaw.exe\n', trace=True)
            started = time.monotonic()
            self.assertEqual(bed.run('').boxes, [])
            self.assertLess(time.monotonic() - started, 25)  # the hanging test was not waited for
            self.assertIn(b'Jvm version test ended after 2 seconds: C:\\hang\\bin\\javaw.exe',
                          bed.log('errors.log'))
            self.assertEqual(bed.candidates(), [
                b'HKLM\\SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.3.1, home C:\\hang, no version: '
                b'rejected, timed out',
                b'HKLM\\SOFTWARE\\JavaSoft\\Java Development Kit\\1.3.1, home C:\\jdk, version 1.3.1: '
                b'accepted'])

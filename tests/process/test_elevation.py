"""executionLevel in kiv.control under Wine, where the launcher is given the limited token of a
split administrator and the shell's runas verb is plain open: the process started again is still
not elevated, as on Windows with UAC switched off. The refused prompt is a unit test's."""
import os
import unittest

from winebed import JRE, SUFFIX, WineBed, jvm_runs, read_record

NEEDS_ADMIN = (b'This installation needs administrator rights.\r\rStart it again as an administrator, or ask '
               b'your administrator to install it.' + SUFFIX)
REQUIRE, HIGHEST = 'requireAdministrator', 'highestAvailable'
Q = '-q C:\\target'


class ExecutionLevel(unittest.TestCase):
    def test_each_level_with_a_limited_or_full_token_and_before_vista(self):
        # Each row: level, token, command line; boxes, exit code, JVM runs, the trace's lines of the key.
        rows = [
            (REQUIRE, 'limited', Q, [NEEDS_ADMIN], 740, 0,
             [b': not elevated: starting again through the UAC prompt',
              b': started again, still not elevated (UAC is off, or not an administrator): exit code 740 '
              b'(ERROR_ELEVATION_REQUIRED)']),
            (REQUIRE, 'limited', '-s C:\\target', [], 740, 0,
             [b': not elevated, and an unattended run asks nobody: exit code 740 (ERROR_ELEVATION_REQUIRED)']),
            (HIGHEST, 'limited', Q, [], 0, 2,
             [b": an administrator's filtered token: starting again through the UAC prompt",
              b': started again, still not elevated (UAC is off): runs as it is']),
            ('asInvoker', 'limited', Q, [], 0, 2, []),
            (REQUIRE, None, Q, [], 0, 2, [b': the launcher runs elevated']),
            (REQUIRE, 'winxp', Q, [], 0, 2, [b' changes nothing before Windows Vista: runs as started']),
        ]
        with WineBed() as bed:
            bin_dir = bed.add_jvm('jre', '1.3.1', product=JRE)
            for level, token, command_line, boxes, code, jvm, lines in rows:
                with self.subTest(level=level, token=token, command_line=command_line):
                    # The trace starts afresh with the installation below.
                    for name in bed.existing('wizard-run.txt', 'errors.log', os.path.join(bin_dir, 'jvm-runs.txt')):
                        os.remove(bed.path(name))
                    if token == 'winxp':
                        bed.reg_add(r'HKCU\Software\Wine\AppDefaults\launcher.exe', 'Version', 'winxp')
                    bed.installation('executionLevel=%s\nexitCodeReport=true\njvmRequiredVersion=1.3\n'
                                     'jvmCommandName=javaw.exe\nloaderJavaCommand=Wizard\n' % level, trace=True)
                    run = bed.run(command_line, token=token if token == 'limited' else None)
                    self.assertEqual([run.texts, run.exit_code, len(jvm_runs(bin_dir))], [boxes, code, jvm])
                    key = b'executionLevel=' + level.encode()
                    self.assertEqual([l[len(key):] for l in bed.log('jinstall.log') if l.startswith(key)], lines)
                    if jvm:  # the arguments and the directory of the run reach the wizard unchanged
                        self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'cmdline'],
                                         b'javaw.exe  .;install.jar Wizard ' + Q.encode())

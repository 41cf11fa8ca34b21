"""The installation driver: which JVM starts the wizard and with what command
line, the one further try with the carried JVM, and the plug-in kind's road
through the browser."""
import os
import unittest

from winebed import JRE, SUFFIX, WineBed, jvm_runs, read_record

NOT_STARTED_BOX = (b'Unable to start the install wizard.\r\rIs there a "java" command in the path that '
               b'doesn\'t start the JRE?\r\rIf there is, remove it and try the installer again.' + SUFFIX)
BROWSER_MESSAGE = (b'Please exit your browser now to complete the configuration for this installation.\n\n'
                   b'Make sure you are connected to the Internet until the installation finishes.')
URL = 'http://example.invalid/setup/start.html'
NORMAL_CONTROL = ('jvmRequiredVersion=1.3\njvmCommandName=javaw.exe\njvmClasspathSwitch=-cp\n'
                  'jvmExtraParameters=-Xmx64m -Dinstall.mode=unattended\n'
                  'loaderClasspath=.;install.jar;C:\\Program Files\\Example\\lib x.jar\n'
                  'loaderJavaCommand=com.example.Wizard -mode  auto\n')
WIZARD = (b'javaw.exe -Xmx64m -Dinstall.mode=unattended '
          b'-cp .;install.jar;"C:\\Program Files\\Example\\lib x.jar" com.example.Wizard -mode  auto')


def wizard_runs(bin_dir):
    """How often the JVM double in bin_dir ran as the wizard, not as the version test."""
    return len([line for line in jvm_runs(bin_dir) if b' TestJvm ' not in line])


class Wizard(unittest.TestCase):
    # The normal road: a registered JRE passes the version test and runs the wizard, with the
    # status dialog shown, or quietly without; the files the launcher made are gone. A class-path
    # entry with a blank is quoted, and two blanks in the command leave an empty word.
    def test_a_found_jvm_runs_the_wizard_with_its_exact_command_line_and_the_run_leaves_no_trace(self):
        with WineBed() as bed:
            jvm_bin = bed.add_jvm('jre13', '1.3.1', product=JRE, subkey='1.3', micro='1')
            bed.launch_env = {'CLASSPATH': r'C:\Program Files\Other\classes.zip;.'}  # not for the wizard
            directory = bed.windows_path(bed.install_dir).encode()
            quiet = '-q "C:\\Program Files\\Example App"'  # the directory arrives quoted again
            for command_line, passed in [('', b''), (quiet, b' ' + quiet.encode())]:
                with self.subTest(command_line):
                    bed.installation(NORMAL_CONTROL)
                    bed.write('errors.log', b'')  # an empty one an earlier run left
                    run = bed.run(command_line)
                    self.assertEqual([run.boxes, len(run.status)], [[], 0 if passed else 1])
                    self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'], [
                        b'nativeJvmHomeDir=C:/jre13', b'nativeJvmInstalled=false',
                        b'nativeJvmInstalledInTemp=false', b'configureWinRegistry=false'])
                    # The version test ran first, on the installation directory, then the wizard.
                    self.assertEqual(bed.read(os.path.join(jvm_bin, 'jvm-runs.txt')).splitlines()[-2:], [
                        b'javaw.exe -cp . TestJvm "%s"|cwd=%s|classpath=(unset)' % (directory, directory),
                        WIZARD + passed + b'|cwd=%s|classpath=(unset)' % directory])
                    os.remove(bed.path('wizard-run.txt'))
                    self.assertEqual(sorted(os.listdir(bed.install_dir)), ['TestJvm.class', 'kiv.control'])

    def test_only_the_wizards_semaphore_tells_a_start_and_a_found_jvm_gives_way_once_to_the_carried_one(self):
        rows = [  # name, the found JVM's double (None: none found), the carried JVM's wizard (None: none
            # carried), a semaphore left before, the wizard runs of each, the boxes
            ('a found JVM starts it; its exit code does not count', 'exitCode=3', None, False, [1, 0], []),
            ('a found JVM fails, the carried one starts it', 'wizard=no', 'starts', False, [1, 1], []),
            ('both fail', 'wizard=no', 'fails', False, [1, 1], [NOT_STARTED_BOX]),
            ('the JVM this run installed fails: no second installation', None, 'fails', False, [0, 1],
             [NOT_STARTED_BOX]),
            ('a semaphore left by an interrupted run is no start', 'wizard=no', None, True, [1, 0],
             [NOT_STARTED_BOX]),
        ]
        for name, found, carried, stale, runs, boxes in rows:
            with self.subTest(name), WineBed() as bed:
                if found:
                    bed.add_jvm('found', '1.3.1', product=JRE, subkey='1.3', micro='1',
                                config='version=1.3.1\n%s\n' % found)
                control = 'jvmVersion=1.3.1\njvmCommandName=javaw.exe\npredefinedJvmInstallDir=C:\\carried\n'
                if carried:
                    bed.carry_jvm(control, **({'wizard': 'no'} if carried == 'fails' else {}))
                else:
                    bed.installation(control)
                if stale:
                    bed.write('__kivwizard.sem', 'started')
                self.assertEqual(bed.run('').texts, boxes)
                self.assertEqual([wizard_runs(bed.drive_c(home, 'bin')) for home in ('found', 'carried')], runs)
                # Each wizard that did not start is on record.
                self.assertEqual(bed.log('errors.log').count(b'Java wizard not started properly'),
                                 sum(runs) - (0 if boxes else 1))
                self.assertFalse(bed.exists('__kivwizard.sem'))
                if carried:
                    self.assertEqual(bed.read('extractor-runs.txt').count(b'\n'), 1)
                if carried == 'starts':
                    self.assertEqual(read_record(bed.path('wizard-run.txt'))[b'native.properties'], [
                        b'nativeJvmHomeDir=C:/carried', b'nativeJvmInstalled=true',
                        b'nativeJvmInstalledInTemp=false', b'configureWinRegistry=true'])

    # No JVM mends a missing wizard archive: the carried one is not installed for it.
    def test_missing_install_jar_starts_nothing_and_installs_nothing(self):
        with WineBed() as bed:
            bed.add_jvm('jre', '1.3.1', product=JRE, subkey='1.3', micro='1')
            bed.carry_jvm('jvmCommandName=javaw.exe\nexitCodeReport=true\n')
            os.remove(bed.path('install.jar'))
            run = bed.run('')
            self.assertEqual([run.texts, run.exit_code], [[NOT_STARTED_BOX], 1067])
            self.assertEqual(bed.existing('wizard-run.txt', 'extractor-runs.txt', bed.drive_c('windows', 'javaw.exe')), [])
            self.assertEqual(bed.reg_query(r'HKLM\SOFTWARE\JavaSoft\%s\1.3.1' % JRE), {})
            self.assertIn(b'install.jar does not exist.', bed.log('errors.log'))
            self.assertIn(b'the carried JVM is not installed: the wizard\'s archive install.jar is missing',
                          bed.log('jinstall.log'))


class PassThrough(unittest.TestCase):
    def wizard_after(self, bed, command_line):
        """The wizard's command line after a run on this one, or the caption of the last box."""
        bed.installation('loaderJavaCommand=Wizard\n')
        run = bed.run(command_line)
        self.assertLess(run.exit_code, 0x80000000, 'an exception code')
        if not bed.exists('wizard-run.txt'):
            return run.boxes[-1][1]
        self.assertEqual(run.boxes, [])
        cmdline = read_record(bed.path('wizard-run.txt'))[b'cmdline']
        os.remove(bed.path('wizard-run.txt'))
        return cmdline

    def test_long_unbalanced_or_quoted_command_lines_give_a_defined_argument_or_none(self):
        rows = [
            ('-q "C:\\never closed x y', b'-q "C:\\never closed x y"'),
            # The deployment line of the guide: a quoted folder whose name holds "-s" is one argument.
            ('-s "C:\\Data\\my-stuff\\Acme Suite"', b'-s "C:\\Data\\my-stuff\\Acme Suite"'),
            ('-q "', b'-q "'),  # the last word is taken as it stands
            ('-q ' + 'A' * 30000, b'-q ' + b'A' * 30000),
            ('x ' * 15000 + '-s y', b'-s y'),
            ('-s "' + 'b ' * 14000 + 'c', b'-s "' + b'b ' * 14000 + b'c"'),
        ]
        with WineBed() as bed:
            bed.add_jvm('jre', '1.1.8', product=JRE)
            for command_line, passed in rows:
                with self.subTest(command_line[:40], length=len(command_line)):
                    self.assertEqual(self.wizard_after(bed, command_line),
                                     b'javaw.exe  .;install.jar Wizard ' + passed)
            # Over the system's 32767 characters the wizard's command line would arrive cut: refused instead.
            result = self.wizard_after(bed, '-q ' + 'A' * 32740)
            self.assertEqual(result.count(b'A') if result.startswith(b'javaw.exe') else result,
                             32740 if result.startswith(b'javaw.exe') else b'Kivrelle Installer: Error')


class Applet(unittest.TestCase):
    def test_plug_in_mode_opens_the_page_in_its_browser_or_falls_back_to_the_wizard(self):
        broken = [BROWSER_MESSAGE, b'Unable to find broswer.\n' + SUFFIX, NOT_STARTED_BOX]
        rows = [  # name, appletUrl and more keys, the page files, the boxes, the URL the browser got
            ('the page names its browser', URL, ['start.html'], [BROWSER_MESSAGE], URL),
            ('a URL ending in "/" is looked up as installapp2.html', 'http://example.invalid/setup/',
             ['installapp2.html'], [BROWSER_MESSAGE], 'http://example.invalid/setup/'),
            ('no page file: silently the carried JVM and its wizard', URL, [], [], None),
            ('a browser that cannot be started', URL, ['start.html'], broken, None),
            ('a missing key store stops the road', URL + '\nkeystoreFilename=${user.home}/identitydb.obj',
             ['start.html'], [b'Unable to add Java security files.' + SUFFIX], None),
        ]
        for name, url, pages, boxes, opened in rows:
            with self.subTest(name), WineBed() as bed:
                record = bed.add_browser()
                if boxes is broken:
                    bed.write(bed.drive_c('browser', 'browse.exe'), b'not a program')
                bed.add_jvm('plugin', '1.3.1', product='Java Plug-in', subkey='1.3')
                control = 'jvmName=java plug-in\njvmRequiredVersion=1.3\nappletUrl=%s\n' % url
                if pages:
                    bed.installation(control)
                else:
                    bed.carry_jvm(control + 'predefinedJvmInstallDir=C:\\carried\n')
                for page in pages:
                    bed.write(page, '<html></html>')
                self.assertEqual(bed.run('').texts, boxes)
                self.assertEqual(bed.exists('wizard-run.txt'), not pages)
                if opened:
                    self.assertEqual([read_record(record)[key] for key in (b'argc', b'argv[0]', b'argv[1]')],
                                     [b'2', b'browse.exe', opened.encode()])
                else:
                    self.assertFalse(os.path.exists(record))
                if boxes is broken:
                    self.assertIn(b'Unable to find browser. Start browser and go to URL:  ' + URL.encode(),
                                  bed.log('errors.log'))

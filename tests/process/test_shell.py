"""The launcher shell as a user sees it: windows, waits, semaphore files and the
hand-over to the clean-up program, in a real process under Wine."""
import os
import shutil
import subprocess
import time
import unittest

from winebed import BOXWATCH, JRE, NO_JRE_BOX, SCRIPTED_LAUNCHER, TOOLS_DIR, WineBed, jvm_runs, read_record

SEMAPHORES = ('__kivinstall.sem', '__kivshow.sem')


def hold(bed, command_line=''):
    """Starts the scripted launcher, whose worker waits until release()."""
    bed.write('__hold.sem', 'hold')
    bed.start(command_line, program=SCRIPTED_LAUNCHER)


class Windows(unittest.TestCase):
    def release(self, bed):
        os.remove(bed.path('__hold.sem'))
        run = bed.finish(timeout=30)
        self.assertEqual(bed.existing(*SEMAPHORES), [])
        return run

    def test_a_quiet_switch_before_a_word_shows_no_window_yet_waits_and_as_last_word_the_centred_dialog_shows(self):
        with WineBed() as bed:
            hold(bed, r'-q C:\target')
            self.assertTrue(bed.wait_for(lambda: bed.exists('__kivinstall.sem')))
            time.sleep(1.5)
            self.assertTrue(bed.running(), 'the launcher must wait for its worker')
            self.assertIn('status-dialog=hidden', bed.tool('state'))
            self.assertEqual(self.release(bed).status, [])
            # As the last word a switch is none: the dialog shows, with the main window behind it.
            hold(bed, 'x -q')
            self.assertTrue(bed.wait_for(bed.status_shown))
            [status] = self.release(bed).status
            _, caption, text, dialog_rect, main_rect, main_visible = status
            self.assertEqual((caption, text), (b'Installer', b'Unpacking the installer...'))
            self.assertEqual(dialog_rect, main_rect)
            x, y, width, height = map(int, dialog_rect.split(b','))
            self.assertTrue(0 < x < 1024 - width and 0 < y < 768 - height, dialog_rect)
            self.assertEqual(main_visible, b'1')

    # Once its file is gone the dialog stays for at most 201 more messages of the main
    # thread (about 20 seconds of its timer), then both windows are hidden. Escape also
    # ends that first wait; Close only destroys the dialog. Either way the worker is awaited.
    def test_the_dialog_lingers_for_201_messages_and_only_escape_ends_its_wait_at_once(self):
        rows = [  # what happens, the state after 150 more messages, after 60 more
            ('__kivshow.sem removed', lambda bed: os.remove(bed.path('__kivshow.sem')),
             'status-dialog=visible main-window=visible', 'status-dialog=hidden main-window=hidden'),
            ('escape', lambda bed: bed.tool('escape'),
             'status-dialog=absent main-window=visible', 'status-dialog=absent main-window=hidden'),
            ('close', lambda bed: bed.tool('close'),
             'status-dialog=absent main-window=visible', 'status-dialog=absent main-window=visible'),
        ]
        for name, act, before, after in rows:
            with self.subTest(name), WineBed() as bed:
                hold(bed)
                self.assertTrue(bed.wait_for(bed.status_shown))
                act(bed)
                self.assertIn(before, bed.tool('post', '150'))
                self.assertIn(after, bed.tool('post', '60'))
                time.sleep(0.5)
                self.assertTrue(bed.running())
                self.assertEqual(bed.read('__kivinstall.sem'), b'ok\r\n')
                self.release(bed)

    # A box waits for the user as long as it takes; the status dialog must not stand
    # beside it all that time: its file goes before the box comes, and it lingers as
    # after the wizard's start (posted messages hasten that), then goes.
    def test_an_error_box_lets_the_status_dialog_go_while_it_waits_for_the_user(self):
        with WineBed() as bed:
            bed.installation('jvmVersion=1.4.2\n')  # no JVM and none carried
            bed.start('', watch=False)
            self.assertTrue(bed.wait_for(lambda: not bed.exists('__kivshow.sem')))
            # (A box's first showing may make Wine start a helper; meanwhile no window is found.)
            self.assertTrue(bed.wait_for(lambda: 'status-dialog=visible' in bed.tool('state'), timeout=10))
            self.assertTrue(bed.wait_for(lambda: 'status-dialog=hidden' in bed.tool('post', '60'), timeout=25))
            self.assertTrue(bed.running(), 'the box is still up')
            bed.watch()
            self.assertEqual(bed.finish().texts, [NO_JRE_BOX])

    # At 100, 125, 150 and 200 % the dialog is laid out for the screen: it grows with the DPI,
    # and the status text, measured as its control draws it, fits the control on its lines
    # (Japanese: the empty one its carriage return makes, then the words).
    def test_the_status_text_fits_its_control_at_96_120_144_and_192_dpi(self):
        with WineBed() as bed:
            widths = []
            for country, lines in (('United States', 1), ('JPN', 2)):
                bed.reg_add(r'HKCU\Control Panel\International', 'sCountry', country)
                for dpi in (96, 120, 144, 192):
                    with self.subTest(country=country, dpi=dpi):
                        bed.reg_add(r'HKCU\Control Panel\Desktop', 'LogPixels', str(dpi), kind='REG_DWORD')
                        bed.write('__measure.sem', '')
                        bed.run('', program=SCRIPTED_LAUNCHER)
                        text_w, text_h, box_w, box_h, font, dialog_w, seen = map(int, bed.read('__fit.txt').split())
                        widths.append(dialog_w * 96 / dpi)
                        # The control's own DPI, which the Japanese font's size follows too.
                        self.assertEqual(seen, dpi)
                        self.assertTrue(text_w <= box_w and text_h <= box_h, (text_w, text_h, box_w, box_h))
                        self.assertEqual(text_h, lines * font)
            self.assertLess(max(widths) - min(widths), min(widths) / 10, widths)

    def test_removing_the_install_semaphore_ends_every_wait_at_once_and_stale_ones_keep_nothing_alive(self):
        with WineBed() as bed:
            hold(bed)
            self.assertTrue(bed.wait_for(bed.status_shown))
            removed = time.monotonic()
            os.remove(bed.path('__kivinstall.sem'))
            self.assertTrue(bed.wait_for(lambda: not bed.running(), timeout=10))
            # One timer period, plus Wine's process teardown.
            self.assertLess(time.monotonic() - removed, 1.0)
            bed.finish()
            os.remove(bed.path('__hold.sem'))
            # Read-only ones, as left in an installation copied from a CD: neither made nor removed.
            for name in SEMAPHORES:
                bed.write(name, 'ok\r\n')
                os.chmod(bed.path(name), 0o444)
            self.assertIsNotNone(bed.run('', program=SCRIPTED_LAUNCHER, timeout=30).exit_code)


class HandOver(unittest.TestCase):
    def test_clean_up_program_is_started_without_waiting_only_from_another_start_directory(self):
        rows = [('another directory', lambda here: 'C:\\somewhere else  ', True), ('none', None, False),
                ('this directory in other letter case', lambda here: here.upper(), False)]
        for name, start_dir, handed_over in rows:
            with self.subTest(name), WineBed(install_name='my install') as bed:
                shutil.copy(os.path.join(TOOLS_DIR, 'cleanup_double.exe'), bed.path('cleanup.exe'))
                directory = bed.windows_path(bed.install_dir)
                if start_dir:
                    bed.write('startdir.txt', start_dir(directory) + '\r\n')
                bed.write('cleanup-delay.txt', '1500')
                run = bed.run('')  # no control file: a failed run, whose logs stay single
                self.assertIsNotNone(run.exit_code)
                self.assertEqual(bed.log('errors.log').count(b'Unable to open kiv.control'), 1)
                self.assertFalse(bed.exists('cleanup-run.txt'), 'the launcher must not wait for it')
                if not handed_over:
                    time.sleep(2)
                    self.assertEqual(bed.existing('__cleanup.exe', 'cleanup.exe', 'cleanup-run.txt'), [])
                    continue
                self.assertTrue(bed.wait_for(lambda: bed.exists('cleanup-run.txt'), timeout=20))
                record = read_record(bed.path('cleanup-run.txt'))
                self.assertEqual(record[b'cmdline'], b'__cleanup.exe "%s"' % directory.encode())
                self.assertEqual([record[b'argc'], record[b'argv[1]']], [b'2', directory.encode()])
                self.assertTrue(bed.exists('cleanup.exe'))

    # The archive may name the clean-up program among the files removed after the
    # wizard: the copy made before the installation began is what takes over.
    def test_a_clean_up_program_the_manifest_removes_is_still_handed_over(self):
        with WineBed() as bed:
            bed.found_jvm(trace=False)
            bed.hand_over()
            bed.write('META-INF/MANIFEST.MF', 'Manifest-Version: 1.0\r\nName: cleanup.exe\r\n')
            self.assertEqual(bed.run('').boxes, [])
            self.assertTrue(bed.exists('wizard-run.txt'))
            self.assertTrue(bed.wait_for(lambda: bed.exists('cleanup-run.txt')))
            self.assertEqual(read_record(bed.path('cleanup-run.txt'))[b'argv[0]'], b'__cleanup.exe')
            self.assertFalse(bed.exists('cleanup.exe'))


class OneRunPerFolder(unittest.TestCase):
    # A double-click twice, or a deployment tool that retries: the second launcher starts
    # while the first tests its JVM, and ends at once, with no box, leaving the run to it.
    def test_a_second_launcher_in_the_folder_ends_at_once_and_the_first_runs_alone(self):
        with WineBed() as bed:
            hold = os.path.join(bed.root, 'hold')
            jvm_bin = bed.add_jvm('jre', '1.3.1', product=JRE,
                                  config='version=1.3.1\nholdWhile=%s\n' % bed.windows_path(hold))
            for control, second_code in [('exitCodeReport=true\n', 1618), ('', 0)]:
                with self.subTest(second_code=second_code):
                    bed.installation(control + 'jvmRequiredVersion=1.3\njvmCommandName=javaw.exe\n', trace=True)
                    before = len(jvm_runs(jvm_bin))
                    open(hold, 'w').close()
                    bed.start('')
                    self.assertTrue(bed.wait_for(lambda: len(jvm_runs(jvm_bin)) > before))
                    try:
                        second = bed.wine(BOXWATCH, 'exec', 'launcher.exe', '__cmdline.txt', timeout=20)
                    except subprocess.TimeoutExpired:
                        self.fail('the second launcher ran on beside the first')
                    self.assertTrue(bed.running())
                    os.remove(hold)
                    run = bed.finish()
                    self.assertIn(b'exit=%d' % second_code, second.stdout)
                    self.assertEqual([run.exit_code, run.boxes], [0 if control else 1, []])
                    # One version test and one wizard, of one run.
                    runs = jvm_runs(jvm_bin)[before:]
                    self.assertEqual([b' TestJvm ' in line for line in runs], [True, False])
                    self.assertEqual(bed.log('jinstall.log').count(b'Preparing Java install wizard'), 1)

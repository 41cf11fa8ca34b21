"""The launcher shell as a user sees it: windows, waits, semaphore files and the
hand-over to the clean-up program, in a real process under Wine."""
import os
import shutil
import time
import unittest

from winebed import SCRIPTED_LAUNCHER, TOOLS_DIR, WineBed

SEMAPHORES = ('__kivinstall.sem', '__kivshow.sem')


class Windows(unittest.TestCase):
    def assertNoSemaphoresLeft(self, bed):
        for name in SEMAPHORES:
            self.assertFalse(bed.exists(name), name)

    def test_quiet_switch_followed_by_a_word_never_shows_a_window_yet_waits_for_the_worker(self):
        with WineBed() as bed:
            bed.write('__hold.sem', 'hold')
            bed.start(r'-q C:\target', program=SCRIPTED_LAUNCHER)
            self.assertTrue(bed.wait_for(lambda: bed.exists('__kivinstall.sem')))
            time.sleep(1.5)
            self.assertTrue(bed.running(), 'the launcher must wait for its worker')
            self.assertIn('status-dialog=hidden', bed.tool('state'))
            os.remove(bed.path('__hold.sem'))
            run = bed.finish()
            self.assertEqual(run.status, [])
            self.assertNoSemaphoresLeft(bed)

    def test_switch_as_last_word_shows_the_centred_dialog_with_the_main_window_behind_it(self):
        with WineBed() as bed:
            bed.write('__hold.sem', 'hold')
            bed.start('x -q', program=SCRIPTED_LAUNCHER)
            self.assertTrue(bed.wait_for(bed.status_shown))
            os.remove(bed.path('__hold.sem'))
            run = bed.finish()
            [status] = run.status
            _, caption, text, dialog_rect, main_rect, main_visible = status
            self.assertEqual((caption, text), (b'Installer', b'Unpacking the installer...'))
            self.assertEqual(dialog_rect, main_rect)
            x, y, width, height = map(int, dialog_rect.split(b','))
            self.assertTrue(0 < x < 1024 - width and 0 < y < 768 - height, dialog_rect)
            self.assertEqual(main_visible, b'1')

    def test_accented_letters_in_an_unquoted_program_path_stay_out_of_the_command_line(self):
        # Started as \xc9-s\launcher.exe x, the way CreateProcess finds it: the name ends
        # at the blank, so "x" alone is the command line and no switch is seen.
        with WineBed() as bed:
            folder = os.path.join(bed.install_dir, '\u00c9-s')
            os.makedirs(folder)
            shutil.copy(SCRIPTED_LAUNCHER, os.path.join(folder, 'launcher.exe'))
            bed.write('__hold.sem', 'hold')
            bed.write('__cmdline.txt', b'\xc9-s\\launcher.exe x')
            bed.start(staged=True, whole_line=True)
            self.assertTrue(bed.wait_for(bed.status_shown))
            os.remove(bed.path('__hold.sem'))
            bed.finish()
            self.assertEqual(bed.read('__worker-args.txt'), b'0 0|')

    def test_escape_or_close_destroys_the_dialog_but_the_process_still_waits_for_the_worker(self):
        for action in ('escape', 'close'):
            with self.subTest(action), WineBed() as bed:
                bed.write('__hold.sem', 'hold')
                bed.start('', program=SCRIPTED_LAUNCHER)
                self.assertTrue(bed.wait_for(bed.status_shown))
                self.assertIn('done', bed.tool(action))
                self.assertTrue(bed.wait_for(lambda: 'absent' in bed.tool('state'), timeout=5))
                time.sleep(1.0)
                self.assertTrue(bed.running())
                self.assertEqual(bed.read('__kivinstall.sem'), b'ok\r\n')
                os.remove(bed.path('__hold.sem'))
                bed.finish(timeout=30)
                self.assertNoSemaphoresLeft(bed)

    def test_removing_the_install_semaphore_ends_every_wait_at_once(self):
        with WineBed() as bed:
            bed.write('__hold.sem', 'hold')
            bed.start('', program=SCRIPTED_LAUNCHER)
            self.assertTrue(bed.wait_for(bed.status_shown))
            removed = time.monotonic()
            os.remove(bed.path('__kivinstall.sem'))
            self.assertTrue(bed.wait_for(lambda: not bed.running(), timeout=10))
            # One timer period, plus Wine's process teardown.
            self.assertLess(time.monotonic() - removed, 1.0)
            bed.finish()

    def test_stale_read_only_semaphore_files_do_not_keep_the_process_alive(self):
        # As left in an installation copied from a CD: neither made nor removed.
        with WineBed() as bed:
            for name in SEMAPHORES:
                bed.write(name, 'ok\r\n')
                os.chmod(bed.path(name), 0o444)
            run = bed.run('', program=SCRIPTED_LAUNCHER, timeout=30)
            self.assertIsNotNone(run.exit_code)

    def test_a_worker_that_ends_at_once_leaves_no_semaphore_and_the_process_ends(self):
        with WineBed() as bed:
            run = bed.run('')
            self.assertIsNotNone(run.exit_code)
            self.assertNoSemaphoresLeft(bed)


class HandOver(unittest.TestCase):
    def install_cleanup(self, bed):
        shutil.copy(os.path.join(TOOLS_DIR, 'cleanup_double.exe'), bed.path('cleanup.exe'))

    def cleanup_record(self, bed):
        with open(bed.path('cleanup-run.txt'), 'rb') as f:
            return dict(line.split(b'=', 1) for line in f.read().decode('latin-1').encode().splitlines())

    def test_start_directory_elsewhere_starts_the_copy_with_its_name_and_the_directory(self):
        with WineBed(install_name='my install') as bed:
            self.install_cleanup(bed)
            bed.write('startdir.txt', 'C:\\somewhere else  \r\n')
            bed.write('cleanup-delay.txt', '1500')
            run = bed.run('')
            self.assertFalse(bed.exists('cleanup-run.txt'), 'the launcher must not wait for it')
            self.assertTrue(bed.wait_for(lambda: bed.exists('cleanup-run.txt'), timeout=20))
            record = self.cleanup_record(bed)
            directory = bed.windows_path(bed.install_dir).encode()
            self.assertEqual(record[b'argc'], b'2')
            self.assertEqual(record[b'argv[0]'], b'__cleanup.exe')
            self.assertEqual(record[b'argv[1]'], directory)
            self.assertEqual(record[b'cmdline'], b'__cleanup.exe "' + directory + b'"')
            self.assertTrue(bed.exists('cleanup.exe'))
            self.assertIsNotNone(run.exit_code)

    def test_no_start_directory_removes_both_clean_up_programs(self):
        with WineBed() as bed:
            self.install_cleanup(bed)
            bed.run('')
            time.sleep(0.5)
            self.assertFalse(bed.exists('__cleanup.exe'))
            self.assertFalse(bed.exists('cleanup.exe'))
            self.assertFalse(bed.exists('cleanup-run.txt'))

    def test_start_directory_naming_this_directory_in_other_case_is_no_hand_over(self):
        with WineBed() as bed:
            self.install_cleanup(bed)
            bed.write('startdir.txt', bed.windows_path(bed.install_dir).upper() + '\r\n')
            bed.run('')
            time.sleep(0.5)
            self.assertFalse(bed.exists('__cleanup.exe'))
            self.assertFalse(bed.exists('cleanup.exe'))
            self.assertFalse(bed.exists('cleanup-run.txt'))


if __name__ == '__main__':
    unittest.main()

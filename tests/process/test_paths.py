"""Paths that the ANSI code page cannot hold: an installation directory and a JVM home named
in Cyrillic, on a machine whose ANSI code page is 1252 (Wine's under a UTF-8 locale). The
launcher names them by their short forms; every full path it builds must still name them.
Under UTF-8 as the ANSI code page (Windows 10 and 11 can be set so; Wine takes it from a
Hindi locale, as Windows has no ANSI code page for Hindi) they are named as they are."""
import os
import unittest

from winebed import WineBed, jvm_runs, read_record

CYRILLIC = '\u0443\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0430'  # 'installation' in Russian


def utf8_record(path):
    return {key.decode(): value.decode('utf-8') for key, value in read_record(path).items()
            if key in (b'long[1]', b'longcwd')}


class CyrillicInstallationDirectory(unittest.TestCase):
    def windows_dir(self, bed):
        return bed.windows_path(bed.install_dir)

    # Its JVM's home is named in Cyrillic too: under code page 1252 both are named by their short
    # forms; under UTF-8 as they are, and nothing needs a short form.
    def test_a_found_jvm_runs_the_wizard_and_the_clean_up_program_is_told_the_directory(self):
        for locale in (None, 'hi_IN'):
            with self.subTest(locale), WineBed(CYRILLIC, locale=locale) as bed:
                bin_dir = bed.found_jvm(home='Java\\' + CYRILLIC)
                bed.hand_over()
                self.assertEqual(bed.run('').boxes, [])
                self.assertEqual([b' TestJvm ' in line for line in jvm_runs(bin_dir)], [True, False])
                trace = bed.log('jinstall.log')
                found = [line for line in trace if line.startswith(b'Found correct version of JVM:')]
                self.assertEqual(len(found), 1)
                self.assertNotIn(b'?', found[0])
                self.assertEqual(CYRILLIC.encode() in found[0], locale is not None)
                # One note gives the directory's long form, which no ANSI text can hold.
                notes = [line for line in trace if b'short' in line]
                self.assertEqual([b'<U+0443><U+0441>' in note for note in notes], [] if locale else [True])
                self.assertTrue(bed.wait_for(lambda: bed.exists('cleanup-run.txt')))
                self.assertEqual(utf8_record(bed.path('cleanup-run.txt'))['long[1]'], self.windows_dir(bed))
                # The logs are copied from the directory itself, not from one a "?" pattern matched.
                self.assertTrue(os.path.exists(bed.drive_c('elsewhere', 'jinstall.log')))

    def test_the_carried_jvm_is_unpacked_into_the_application_directory_and_runs_the_wizard(self):
        with WineBed(install_name=CYRILLIC) as bed:
            bed.carry_jvm('jvmCommandName=javaw.exe\npredefinedJvmInstallDir=[$AppDir]/jvm\n', trace=True)
            self.assertEqual(bed.run('').boxes, [])
            self.assertEqual(bed.read('extractor-runs.txt').count(b'\n'), 1)
            self.assertTrue(bed.read('extractor-runs.txt').rstrip().endswith(b'\\jvm'))
            # Every path the run traced names something: none holds a "?" for what 1252 lacks.
            self.assertEqual([line for line in bed.log('jinstall.log') if b'?' in line], [])
            self.assertIn(b'Java wizard launched successfully', bed.log('jinstall.log'))
            self.assertFalse(bed.exists('jvm'))  # unpacked for the wizard alone, and removed after

    def test_the_browser_of_an_applet_page_is_found_and_started_in_the_directory(self):
        with WineBed(install_name=CYRILLIC) as bed:
            record = bed.applet('appletUrl=start.html\n')
            self.assertEqual(len(bed.run('').boxes), 1)  # the notice before the browser, no error
            self.assertEqual(read_record(record)[b'argv[1]'], b'start.html')
            self.assertEqual(utf8_record(record)['longcwd'], self.windows_dir(bed))


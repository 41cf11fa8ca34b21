"""What an installation author sets beyond the established behaviour: the launcher started
from another folder, the author's name on the boxes (messageCaption) and a way out when no
JVM is found (jvmDownloadUrl)."""
import os
import unittest

from winebed import SUFFIX, WineBed, read_record

NO_JRE = b'The correct version of the JRE was not found on your system.'
PAGE = 'https://example.invalid/get-java'
OFFER = (NO_JRE + b'\r\rJava can be downloaded from:\r' + PAGE.encode() + SUFFIX +
         b'\n\nOpen this page in your browser now?')


class OwnFolder(unittest.TestCase):
    # A deployment tool starts the launcher by its full path from a folder of its own. On a CD
    # (D:\launcher.exe beside D:\kiv.control) "D:" alone would name that drive's current folder.
    # Under Shift-JIS (code page 932) the second byte of the character in the launcher's name is
    # a backslash: cut byte by byte, its folder was a wrong one, on NT and 98 alike.
    def test_started_from_another_folder_it_works_in_its_own_and_writes_nothing_in_the_callers(self):
        rows = (('launcher.exe', None, None), ('launcher.exe', None, 'd'), ('\u8868.exe', 'win10', None),
                ('\u8868.exe', 'win98', None))
        for name, version, drive in rows:
            with self.subTest(version=version, drive=drive), \
                    WineBed(locale=version and 'ja_JP', launcher_name=name) as bed:
                if version:
                    bed.reg_add('HKCU\\Software\\Wine\\AppDefaults\\' + name, 'Version', version)
                if drive:
                    bed.map_drive(drive, bed.install_dir)
                bed.found_jvm()
                caller = bed.path('caller') if drive else bed.drive_c('caller')
                os.makedirs(caller)
                run = bed.run('-q C:\\target', from_dir=caller)
                self.assertEqual([run.boxes, bed.exists('wizard-run.txt'), os.listdir(caller)], [[], True, []])
                names = (b'D:\\caller', b'D:') if drive else (b'C:\\caller', bed.windows_path(bed.install_dir).encode())
                self.assertEqual([l for l in bed.log('jinstall.log') if l.startswith(b'kiv.control is not in')], [
                    b'kiv.control is not in the current directory %s: the launcher\'s own folder %s is used' % names])

    # A caller's folder that holds a control file of its own is the installation: nothing changes.
    def test_a_control_file_in_the_current_directory_keeps_it_whatever_lies_beside_the_launcher(self):
        with WineBed() as bed:
            bed.installation('jvmRequiredVersion=1.3\n', trace=True)
            caller = bed.drive_c('caller')
            os.makedirs(caller)
            bed.write(os.path.join(caller, 'kiv.control'), 'jvmVersion=1.4.2\n')
            self.assertEqual(bed.run('', from_dir=caller).texts, [NO_JRE + SUFFIX])
            self.assertTrue(os.path.exists(os.path.join(caller, 'errors.log')))
            self.assertFalse(bed.exists('errors.log') or b'own folder' in b''.join(bed.log('jinstall.log')))


class Caption(unittest.TestCase):
    # Boxes before the control file was read keep the established caption.
    def test_the_authors_caption_is_on_every_box_after_the_control_file_was_read(self):
        with WineBed() as bed:
            bed.installation('messageCaption=Acme Widgets Setup\njvmVersion=1.4.2\n')
            self.assertEqual([box[1] for box in bed.run('').boxes], [b'Acme Widgets Setup: Error'])
            # The plug-in notice, a box of its own kind.
            bed.applet('messageCaption=Acme Widgets Setup\njvmCommandName=javaw.exe\nappletUrl=start.html\n')
            self.assertEqual([box[1] for box in bed.run('').boxes], [b'Acme Widgets Setup'])
            os.mkdir(bed.path('__kiv.control'))  # the repaired copy cannot be made
            self.assertEqual([box[1] for box in bed.run('').boxes], [b'Kivrelle Installer: Error'] * 2)


class DownloadPage(unittest.TestCase):
    CONTROL = 'jvmDownloadUrl=%s\njvmVersion=1.4.2\n' % PAGE

    def test_without_a_jvm_the_box_names_the_page_and_opens_it_when_asked(self):
        for answer in ('yes', 'no'):
            with self.subTest(answer), WineBed() as bed:
                record = bed.add_browser()
                bed.installation(self.CONTROL, trace=True)
                bed.answer = answer
                run = bed.run('-q C:\\target')
                self.assertEqual([box[2:3] + box[6:] for box in run.boxes], [[OFFER, b'yes/no']])
                if answer == 'yes':
                    self.assertTrue(bed.wait_for(lambda: os.path.exists(record)))
                    self.assertEqual(read_record(record)[b'argv[1]'], PAGE.encode())
                    self.assertIn(b'browser started for ' + PAGE.encode(), bed.log('jinstall.log'))
                else:
                    self.assertFalse(os.path.exists(record))
                # The logs keep the established texts.
                self.assertEqual(bed.log('errors.log')[:2],
                                 [NO_JRE, b'Please install JRE 1.4.2 and then restart this installation program.'])

    def test_a_silent_run_names_the_page_without_asking_and_an_unattended_one_shows_nothing(self):
        with WineBed() as bed:
            record = bed.add_browser()
            bed.installation(self.CONTROL)
            run = bed.run('-s C:\\target')
            self.assertEqual([box[2:3] + box[6:] for box in run.boxes],
                             [[NO_JRE + b'\r\rJava can be downloaded from:\r' + PAGE.encode() + SUFFIX, b'ok']])
            bed.installation(self.CONTROL + 'exitCodeReport=true\n', trace=True)
            run = bed.run('-s C:\\target')
            self.assertEqual([run.boxes, run.exit_code], [[], 1633])
            self.assertIn(b'Java download page: ' + PAGE.encode(), bed.log('jinstall.log'))
            # Only a web address is offered: the shell would run a program just as readily.
            bed.installation('jvmDownloadUrl=C:\\tools\\getjava.exe\njvmVersion=1.4.2\n')
            self.assertEqual([box[6:] for box in bed.run('').boxes], [[b'ok']])
            self.assertFalse(os.path.exists(record))

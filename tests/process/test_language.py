"""The user's language, taken from the registry of the hermetic prefix, as it
shows in the status dialog and in the boxes."""
import os
import unittest

from winebed import SCRIPTED_LAUNCHER, WineBed

INTERNATIONAL = r'HKCU\Control Panel\International'
NLS_LOCALE = r'HKLM\System\CurrentControlSet\Control\Nls\Locale'
ENGLISH_SUFFIX = b'\n\nSee errors.log and jinstall.log files for details.'

MB_SYSTEMMODAL_TOPMOST = 0x8  # WS_EX_TOPMOST, the mark of a system-modal box


def run_with_boxes(bed, error=None, message=None):
    """Shows the dialog while held, then the scripted boxes; returns the run."""
    bed.write('__hold.sem', 'hold')
    if error is not None:
        bed.write('__error.txt', error)
    if message is not None:
        bed.write('__message.txt', message)
    bed.start('', program=SCRIPTED_LAUNCHER)
    assert bed.wait_for(bed.status_shown)
    os.remove(bed.path('__hold.sem'))
    return bed.finish()


class Language(unittest.TestCase):
    def assertErrorBox(self, box, text):
        _, caption, shown, style, exstyle, icon = box
        self.assertEqual(caption, b'Kivrelle Installer: Error')
        self.assertEqual(shown, text)
        self.assertTrue(int(exstyle, 16) & MB_SYSTEMMODAL_TOPMOST)
        self.assertEqual(icon, b'error')

    def test_english_by_default_with_both_boxes_as_the_user_sees_them(self):
        with WineBed() as bed:
            run = run_with_boxes(bed, error='Unable to read kiv.control\n', message='Insert disk 2')
            self.assertEqual(run.status[0][2], b'Unpacking the installer...')
            message, error = run.boxes
            _, caption, shown, style, exstyle, icon = message
            self.assertEqual((caption, shown, icon), (b'Kivrelle Installer', b'Insert disk 2', b'warning'))
            self.assertFalse(int(exstyle, 16) & MB_SYSTEMMODAL_TOPMOST)
            self.assertErrorBox(error, b'Unable to read kiv.control\n' + ENGLISH_SUFFIX)

    def test_french_country_name_gives_french_texts(self):
        with WineBed() as bed:
            bed.reg_add(INTERNATIONAL, 'sCountry', 'France')
            run = run_with_boxes(bed, error='Erreur')
            self.assertEqual(run.status[0][2], b'Pr\xe9paration Wizard...')
            self.assertErrorBox(run.boxes[0], b'Erreur\n\nVeuillez examiner les fichiers errors.log et '
                                b'jinstall.log pour plus de d\xe9tails sur l\'erreur.')

    def test_country_value_is_consulted_after_locale_and_scountry(self):
        with WineBed() as bed:
            bed.reg_add(INTERNATIONAL, 'sCountry', 'Polska')  # matches nothing: next source
            bed.reg_add(INTERNATIONAL, 'Country', 'PLK')
            run = run_with_boxes(bed, error='B\xb3\xb9d'.encode('latin-1'))
            self.assertEqual(run.status[0][2], b'Inicjalizacja Wizard...')
            self.assertTrue(run.boxes[0][2].startswith(b'B\xb3\xb9d\n\nW celu uzyskania dok\xb3adnej'))

    def test_system_locale_name_is_the_last_source(self):
        with WineBed() as bed:
            bed.reg_add(INTERNATIONAL, 'sCountry', 'Nowhere')
            bed.reg_add(NLS_LOCALE, None, '00000407')
            bed.reg_add(NLS_LOCALE, '00000407', 'German (Standard)')
            run = run_with_boxes(bed, error='Fehler')
            self.assertEqual(run.status[0][2], b'Bereite Wizard..')
            self.assertIn(b'\xfcberpr\xfcfen', run.boxes[0][2])

    def test_japanese_gets_its_own_english_hint_and_a_leading_carriage_return(self):
        with WineBed() as bed:
            bed.reg_add(INTERNATIONAL, 'sCountry', 'JPN')
            run = run_with_boxes(bed, error='Error')
            self.assertEqual(run.status[0][2], b'\rPreparing wizard...')
            self.assertErrorBox(run.boxes[0], b'Error\n\nPlease review the errors.log and jinstall.log '
                                b'files for more details about the error.')

    def test_locale_log_records_each_source_and_match_only_when_it_exists(self):
        with WineBed() as bed:
            bed.reg_add(INTERNATIONAL, 'sCountry', 'Deutschland')
            bed.write('locale.log', '')
            bed.run('')
            lines = bed.read('locale.log').split(b'\r\n')
            self.assertEqual(lines[:4], [
                b'getLang1 locale: c language: ',
                b'getLang3 locale: 00000409 language: ',
                b'German found locale: deutschland language: german',
                b'getLang4 locale: deutschland language: german'])
        with WineBed() as bed:
            bed.run('')
            self.assertFalse(bed.exists('locale.log'))


if __name__ == '__main__':
    unittest.main()

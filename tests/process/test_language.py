"""The user's language, taken from the registry of the hermetic prefix, as it
shows in the status dialog and in the boxes: the sources in their order, and
values of the wrong type or of 10 KB."""
import os
import unittest

from winebed import SCRIPTED_LAUNCHER, SUFFIX, WineBed, reg_binary, reg_dword, reg_text

INTL = r'HKEY_CURRENT_USER\Control Panel\International'
NLS = r'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Nls\Locale'
# The status dialog's text and the hint that ends an error box, as the user sees them.
LANGUAGES = {
    'english': (b'Unpacking the installer...', SUFFIX),
    'french': (b'Pr\xe9paration Wizard...', b'\n\nVeuillez examiner les fichiers errors.log et jinstall.log '
               b'pour plus de d\xe9tails sur l\'erreur.'),
    'german': (b'Bereite Wizard..', b'\n\nBitte \xfcberpr\xfcfen Sie die Dateien errors.log und jinstall.log '
               b'f\xfcr n\xe4here Angaben zu diesem Problem.'),
    'polish': (b'Inicjalizacja Wizard...', b'\n\nW celu uzyskania dok\xb3adnej informacji o b\xb3\xeadach '
               b'prosz\xea przejrze\xe6 pliki errors.log i jinstall.log files.'),
    'japanese': (b'\rPreparing wizard...', b'\n\nPlease review the errors.log and jinstall.log files for '
                 b'more details about the error.'),
}
TOPMOST = 0x8  # WS_EX_TOPMOST, the mark of a system-modal box


def show_boxes(bed):
    """Runs the scripted launcher with its dialog held until seen, then its boxes."""
    bed.write('__hold.sem', 'hold')
    bed.start('', program=SCRIPTED_LAUNCHER)
    assert bed.wait_for(bed.status_shown)
    os.remove(bed.path('__hold.sem'))
    return bed.finish()


class Language(unittest.TestCase):
    def test_each_source_in_its_order_decides_and_unreadable_values_hand_over_to_the_next(self):
        # Each row sets every source; an ignored value hands over to the next source.
        usual = {(INTL, 'Locale'): reg_text('00000409'), (INTL, 'sCountry'): reg_text('Nowhere'),
                 (INTL, 'Country'): '-', (NLS, None): reg_text('00000409')}
        german = {(NLS, None): reg_text('00000407'), (NLS, '00000407'): reg_text('German (Standard)')}
        rows = [
            ('nothing known', {}, 'english'),
            ('French country name', {(INTL, 'sCountry'): reg_text('France')}, 'french'),
            ('Country after Locale and sCountry', {(INTL, 'Country'): reg_text('PLK')}, 'polish'),
            ('system locale name last', german, 'german'),
            ('Japanese', {(INTL, 'sCountry'): reg_text('JPN')}, 'japanese'),
            ('Locale of 10 KB', {(INTL, 'Locale'): reg_text('french' * 1707),
                                 (INTL, 'sCountry'): reg_text('Deutschland')}, 'german'),
            ('Locale REG_DWORD "deut" before sCountry', {(INTL, 'Locale'): reg_dword(0x74756564),
                                                         (INTL, 'sCountry'): reg_text('France')}, 'german'),
            ('sCountry REG_BINARY "france"', {(INTL, 'sCountry'): reg_binary(b'france')}, 'french'),
            ('Country REG_BINARY of 200 bytes, all that is read',
             {(INTL, 'Country'): reg_binary(b'plk' + b'x' * 197)}, 'polish'),
            ('system locale name of 10 KB', {**german, (NLS, '00000407'): reg_text('german' * 1707)},
             'english'),
        ]
        with WineBed() as bed:
            bed.write('__error.txt', 'Error')
            for name, values, language in rows:
                with self.subTest(name):
                    bed.set_registry({**usual, **values})
                    run = show_boxes(bed)
                    self.assertEqual(run.status[0][2], LANGUAGES[language][0])
                    self.assertEqual(run.texts, [b'Error' + LANGUAGES[language][1]])
            # The locale log records the sources only when it exists.
            self.assertFalse(bed.exists('locale.log'))
            bed.write('locale.log', '')
            show_boxes(bed)
            self.assertIn(b'locale: nowhere', bed.read('locale.log'))

    def test_the_message_box_warns_and_the_error_box_is_system_modal(self):
        with WineBed() as bed:
            bed.write('__message.txt', 'Insert disk 2')
            bed.write('__error.txt', 'Unable to read kiv.control\n')
            message, error = show_boxes(bed).boxes
            self.assertEqual(message[1:3] + message[5:],
                             [b'Kivrelle Installer', b'Insert disk 2', b'warning', b'ok'])
            self.assertFalse(int(message[4], 16) & TOPMOST)
            self.assertEqual(error[1:3] + error[5:], [b'Kivrelle Installer: Error',
                                                      b'Unable to read kiv.control\n' + SUFFIX, b'error', b'ok'])
            self.assertTrue(int(error[4], 16) & TOPMOST)

#!/usr/bin/env python3
"""Takes PNG pictures of the status dialog as a user of each language sees it.

    python3 scripts/screenshot.py OUT_DIR [--dpi N] [LANGUAGE ...]

Each picture comes from a real launcher process in a hermetic Wine prefix with
its own Xvfb display; the language is set the way Windows records it, through
the country name in the user's regional settings, and the screen's DPI (96 by
default: 100 %; 120, 144 and 192 are 125, 150 and 200 %) the way Windows records
it, in the user's LogPixels. The launcher used is built with a held installation,
so the dialog stays up while the picture is taken.
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'process'))
from winebed import SCRIPTED_LAUNCHER, WineBed  # noqa: E402

COUNTRIES = {
    'english': 'United States', 'french': 'France', 'german': 'Deutschland',
    'spanish': 'Espana', 'polish': 'PLK', 'japanese': 'JPN', 'italian': 'Italia',
    'portuguese': 'PTB', 'dutch': 'Dutch (Belgian)',
}
IMPORT = '/usr/bin/import'  # ImageMagick's, not a stand-in earlier on the PATH


def take(language, dpi, out_path):
    with WineBed() as bed:
        bed.reg_add(r'HKCU\Control Panel\International', 'sCountry', COUNTRIES[language])
        bed.reg_add(r'HKCU\Control Panel\Desktop', 'LogPixels', str(dpi), kind='REG_DWORD')
        bed.write('__hold.sem', 'hold')
        bed.start('', program=SCRIPTED_LAUNCHER)
        if not bed.wait_for(bed.status_shown, timeout=30):
            raise RuntimeError('the status dialog did not appear')
        subprocess.run([IMPORT, '-display', ':' + bed.display, '-window', 'root', out_path + '.full.png'],
                       check=True)
        os.remove(bed.path('__hold.sem'))
        run = bed.finish()
        x, y, width, height = map(int, run.status[0][3].split(b','))
        subprocess.run(['/usr/bin/convert', out_path + '.full.png', '-crop',
                        '%dx%d+%d+%d' % (width, height, x, y), '+repage', out_path], check=True)
        os.remove(out_path + '.full.png')


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out_dir, args, dpi = sys.argv[1], sys.argv[2:], 96
    if args[:1] == ['--dpi']:
        dpi, args = int(args[1]), args[2:]
    os.makedirs(out_dir, exist_ok=True)
    for language in args or list(COUNTRIES):
        path = os.path.join(out_dir, 'status-dialog-%s%s.png' % (language, '' if dpi == 96 else '-%ddpi' % dpi))
        take(language, dpi, path)
        print(path)


if __name__ == '__main__':
    main()

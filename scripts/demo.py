#!/usr/bin/env python3
"""Runs launcher.exe on the demo installation in demo/installation, in a
hermetic Wine prefix, and tells what happened.

The windows appear on $DISPLAY when it is set; otherwise on a private Xvfb,
and the status dialog is saved as a picture in the folder named at the end.
"""
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'tests', 'process'))
from winebed import WineBed  # noqa: E402

DEMO = os.path.join(HERE, '..', 'demo', 'installation')


def main():
    display = os.environ.get('DISPLAY')
    print('Demo installation: %s' % os.path.abspath(DEMO))
    print('Display: %s' % (display or 'a private Xvfb (no DISPLAY set)'))
    with WineBed(display=display) as bed:
        for name in os.listdir(DEMO):
            shutil.copy(os.path.join(DEMO, name), bed.path(name))
        run = bed.run('')
        print('launcher.exe ended with exit code %s' % run.exit_code)
        for record in run.status:
            print('The status dialog showed "%s": "%s"' % (record[1].decode('cp1252'),
                                                          record[2].decode('cp1252')))
        for record in run.boxes:
            print('Box "%s": %s' % (record[1].decode('cp1252'), record[2].decode('cp1252')))
        left = sorted(set(os.listdir(bed.install_dir)) - set(os.listdir(DEMO)))
        print('Files the run left in the installation directory: %s' % (', '.join(left) or 'none'))

    if not display:
        pictures = tempfile.mkdtemp(prefix='launcher-demo-')
        subprocess.run([sys.executable, os.path.join(HERE, 'screenshot.py'), pictures, 'english'],
                       check=True, stdout=subprocess.DEVNULL)
        print('Picture of the status dialog (held open for it): %s' % pictures)
    print('The search for an installed JVM and the start of the wizard are not built yet, so the')
    print('run ends in the error box that tells the user no suitable JVM was found.')


if __name__ == '__main__':
    main()

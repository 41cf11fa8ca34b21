"""What the build leaves: a launcher that runs from a bare directory on any
Windows, with the status dialog and icon the shell loads by name."""
import os
import re
import subprocess
import unittest

from winebed import PRODUCT_LAUNCHER as LAUNCHER

# SHELL32 is loaded only when an applet is launched: imported, it would load the
# COM libraries into every run.
SYSTEM_DLLS = {'KERNEL32.dll', 'USER32.dll', 'GDI32.dll', 'ADVAPI32.dll', 'msvcrt.dll'}


class Build(unittest.TestCase):
    def test_launcher_imports_only_system_dlls(self):
        headers = subprocess.run(['i686-w64-mingw32-objdump', '-p', LAUNCHER], check=True,
                                 capture_output=True, text=True).stdout
        imports = set(re.findall(r'DLL Name: (\S+)', headers))
        self.assertTrue(imports, 'no import table found')
        self.assertLessEqual(imports, SYSTEM_DLLS)
        self.assertIn('Subsystem\t\t00000002', headers)  # GUI, no console window

    def test_launcher_needs_no_pseudo_relocations(self):
        # The launcher has its own entry, and nothing would apply them.
        with open(os.path.join(os.path.dirname(LAUNCHER), 'launcher.map')) as link_map:
            sizes = re.findall(r'^\s+(0x[0-9a-f]+)\s+__rt_psrelocs_size = ', link_map.read(), re.M)
        self.assertEqual(sizes, ['0x00000000'])

    def test_status_dialog_template_and_icon_resources(self):
        rc = subprocess.run(['i686-w64-mingw32-windres', '-i', LAUNCHER, '-O', 'rc'], check=True,
                            capture_output=True, text=True).stdout
        dialog = rc[rc.index('"STATUSDIALOG" DIALOG'):]
        dialog = dialog[:dialog.index('END')]
        # WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, not visible
        self.assertIn('"STATUSDIALOG" DIALOG 0, 0, 210, 60\nSTYLE 0x80c800c0\n', dialog)
        self.assertIn('CAPTION "Installer"\nFONT 8, "MS Sans Serif"\n', dialog)
        controls = re.findall(r'CONTROL .*', dialog)
        self.assertEqual(controls, [
            'CONTROL "", 104, "STATIC", 0x50020001, 37, 21, 160, 42',       # SS_CENTER | WS_GROUP
            'CONTROL "IDI_ICON1", 65535, "STATIC", 0x50000003, 10, 15, 18, 20'])  # SS_ICON
        # One 32 x 32 image of 16 colours, 4 bits per pixel.
        self.assertIn('"IDI_ICON1" 14 /* RT_GROUP_ICON */', rc)
        self.assertIn('"\\040\\040\\020\\000", 1, 4,', rc)


if __name__ == '__main__':
    unittest.main()

"""The author's trial run, scripts/try.sh, on a copy of the demo installation: the road
it takes with the host's JDK, and what it reports the run left on the machine."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from winebed import BUILD_DIR

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts')
sys.path.insert(0, SCRIPTS)
import demo  # noqa: E402


class TrialRun(unittest.TestCase):
    def test_the_demo_installation_installs_its_jvm_and_the_report_names_what_was_left(self):
        bed_root = os.environ.get('LAUNCHER_BED_ROOT')
        with tempfile.TemporaryDirectory(dir=bed_root) as folder, tempfile.TemporaryDirectory(dir=bed_root) as logs:
            for name in os.listdir(demo.DEMO):
                shutil.copy(os.path.join(demo.DEMO, name), folder)
            for source, name in [('java/TestJvm.class', 'TestJvm.class'), ('demo/install.jar', 'install.jar'),
                                 ('demo/demo_cleanup.exe', 'cleanup.exe')]:
                shutil.copy(os.path.join(BUILD_DIR, source), os.path.join(folder, name))
            version = demo.host_java_version()
            with open(os.path.join(folder, 'kiv.control'), 'a') as f:
                f.write('jvmVersion=%s\njvmExtraParameters=-Ddemo.autoClose=1\n' % version)
            before = sorted(os.listdir(folder))
            # The folder where the trial run saves its logs is a temporary one of the test's.
            env = dict({k: v for k, v in os.environ.items() if k != 'DISPLAY'}, TMPDIR=logs)
            out = subprocess.run(['bash', os.path.join(SCRIPTS, 'try.sh'), folder, '-q', 'C:\\Acme Suite'],
                                 env=env, capture_output=True, text=True, timeout=110).stdout
            self.assertEqual(sorted(os.listdir(folder)), before)  # only a copy runs
        main = version.rsplit('.', 1)[0]
        for expected in [
                'carried, as the self-extractor demo-jre-setup.exe',
                'started the wizard: javaw.exe -Ddemo.autoClose=1 -cp .;install.jar DemoWizard -q "C:\\Acme Suite"',
                'the wizard ended, having proved its start', 'Boxes: none', 'ended with exit code 0',
                'new     C:\\Program Files\\JavaSoft\\JRE%s\\%s\\bin\\javaw.exe' % (main, version),
                'new     C:\\windows\\.java.policy',
                'HKEY_LOCAL_MACHINE\\Software\\JavaSoft\\Java Runtime Environment\\%s\n' % version,
                '"CurrentVersion"="%s"' % main]:
            self.assertIn(expected, out)
        # A Java of today puts nothing into the Windows directory but the policy.
        self.assertEqual(set(re.findall(r'C:\\windows\\\S+', out)), {'C:\\windows\\.java.policy'})

#!/usr/bin/env python3
"""Runs launcher.exe under Wine on the demo installation (demo/installation),
with the whole road real: the status dialog, the version test and the wizard
run by the host's own JDK (through the demo JVM bridge, demo/bridge), the
clean-up and the hand-over to the demo clean-up program.

    python3 scripts/demo.py [--install-jvm]

By default a demo JVM home C:\\DemoJava is registered under JavaSoft\\JDK, as Java 9
and later register, so the launcher finds it through the search for today's JVMs.
With --install-jvm none is registered: the launcher installs the JVM the
installation carries (demo-jre-setup.exe) under Program Files, registers it
and runs the wizard on it.

The windows appear on $DISPLAY when it is set, and the wizard waits for OK.
Otherwise they appear on a private Xvfb, the wizard closes itself after a few
seconds, and pictures of the status dialog and the wizard are saved in the
folder named at the end, with the trace log.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'tests', 'process'))
from winebed import BUILD_DIR, BedError, WineBed, read_bytes  # noqa: E402

DEMO = os.path.join(HERE, '..', 'demo', 'installation')
DEMO_BUILD = os.path.join(BUILD_DIR, 'demo')
JAVASOFT = r'HKLM\SOFTWARE\JavaSoft'
WIZARD_TITLE = 'Demo install wizard'
AUTO_CLOSE_SECONDS = 5
IMPORT = '/usr/bin/import'  # ImageMagick's, not a stand-in earlier on the PATH
HOST_JAVA = os.environ.get('DEMO_HOST_JAVA') or '/usr/bin/java'  # what the bridge runs
# What the JVM installation copies into the Windows directory.
WINDOWS_COPIES = ('javaw.exe', 'java.exe', os.path.join('system', 'msvcrt.dll'))

# Trace lines worth telling, by their beginning; {rest} is what follows it, {line} the whole line.
STEPS = [
    ('Valid version', 'read kiv.control: {line}'),
    ('kiv.control line', '{line}'),
    ('JVM search:', 'search options of kiv.control: {rest}'),
    ('searching registry entry', 'searched the registry: {rest}'),
    ('testing ', 'version test of {rest} on TestJvm.class'),
    ('found jvm version:', 'compared {rest} with the acceptable versions'),
    ('jvm candidate:', 'candidate {rest}'),
    ('Found correct version of JVM:', 'accepted {rest}'),
    ('Found correct version of JVM in the installation:', 'accepted the installation\'s own runtime {rest}'),
    ('Correct version of JVM was not found', 'found no acceptable JVM on the machine'),
    ('attempting to install jvm', 'installs the JVM the installation carries, {rest}'),
    ('installing jvm in', 'chose the JVM directory {rest}'),
    ('issued command to expand:', 'ran the self-extractor {rest} there'),
    ('Windows registry configured', 'registered the new JVM'),
    ('nothing of JVM', '{line}'),
    ('the carried JVM is not installed', '{line}'),
    ('installJvm ok: true', 'the new JVM passed its version test'),
    ('jvm home dir', 'Java home for the wizard: {rest}'),
    ('security file copied to', 'installed a security file: {rest}'),
    ('java installer launch command:', 'started the wizard: {rest}'),
    ('Java wizard launched successfully', 'the wizard ended, having proved its start'),
    ('copying log files to', 'clean-up: copied the logs to {rest}'),
]


def host_java_version():
    out = subprocess.run([HOST_JAVA, '-version'], capture_output=True, text=True).stderr
    match = re.search(r'version "([^"]+)"', out)
    if not match:
        sys.exit('demo: cannot tell the version of the host JDK (%s -version):\n%s' % (HOST_JAVA, out))
    return match.group(1)


def stage(bed, version, install_jvm, auto_close):
    """The unpacked installation, as an installation builder leaves it, and its start directory."""
    for name in os.listdir(DEMO):
        shutil.copy(os.path.join(DEMO, name), bed.path(name))
    shutil.copy(os.path.join(BUILD_DIR, 'java', 'TestJvm.class'), bed.path('TestJvm.class'))
    shutil.copy(os.path.join(DEMO_BUILD, 'install.jar'), bed.path('install.jar'))
    shutil.copy(os.path.join(DEMO_BUILD, 'demo_jre_setup.exe'), bed.path('demo-jre-setup.exe'))
    shutil.copy(os.path.join(DEMO_BUILD, 'demo_cleanup.exe'), bed.path('cleanup.exe'))
    extra = 'jvmVersion=%s\n' % version
    if auto_close:
        extra += 'jvmExtraParameters=-Ddemo.autoClose=%d\n' % AUTO_CLOSE_SECONDS
    bed.write('kiv.control', bed.read('kiv.control') + extra.encode())
    start_dir = keep_logs(bed)
    if not install_jvm:
        register_bridge(bed, 'DemoJava', version, ['JDK'])  # where Java 9 and later register
    return start_dir


def keep_logs(bed):
    """A start directory that gets the logs, and a trace that is kept (an installation's own
    stays as it is), so the launcher traces every step; returns the start directory."""
    if not bed.exists('jinstall.log'):
        bed.write('jinstall.log', b'')
    start_dir = os.path.join(bed.root, 'start dir')
    os.makedirs(start_dir)
    bed.write('startdir.txt', bed.windows_path(start_dir) + '\r\n')
    return start_dir


def put_bridge(bin_dir):
    """The demo JVM bridge as javaw.exe and java.exe in bin_dir."""
    os.makedirs(bin_dir, exist_ok=True)
    for name in ('javaw.exe', 'java.exe'):
        shutil.copy(os.path.join(DEMO_BUILD, 'jvm_bridge.exe'), os.path.join(bin_dir, name))


def register_bridge(bed, home, version, products):
    """The bridge in C:\\<home>\\bin, registered as this version under each JavaSoft product."""
    put_bridge(bed.drive_c(home, 'bin'))
    for product in products:
        bed.reg_add(JAVASOFT + '\\' + product, 'CurrentVersion', version)
        bed.reg_add(JAVASOFT + '\\%s\\%s' % (product, version), 'JavaHome', 'C:\\' + home)


def window_geometry(display, name):
    """x, y, width, height of the mapped X window with this name, or None."""
    out = subprocess.run(['xwininfo', '-display', ':' + display, '-name', name],
                         capture_output=True, text=True).stdout
    values = dict(re.findall(r'^\s*(Absolute upper-left [XY]|Width|Height|Map State):\s*(\S+)', out, re.M))
    if values.get('Map State') != 'IsViewable':
        return None
    keys = ('Absolute upper-left X', 'Absolute upper-left Y', 'Width', 'Height')
    return tuple(int(values[key]) for key in keys)


def status_geometry(bed):
    """Where the watcher saw the status dialog: its record's fourth field, x,y,width,height."""
    with open(bed.record, 'rb') as f:
        for line in f:
            fields = line.rstrip(b'\n').split(b'\t')
            if fields[0] == b'status' and len(fields) > 3:
                return tuple(int(v) for v in fields[3].split(b','))
    return None


def picture(display, geometry, path):
    x, y, width, height = geometry
    subprocess.run([IMPORT, '-display', ':' + display, '-window', 'root',
                    '-crop', '%dx%d+%d+%d' % (width, height, x, y), '+repage', path], check=True)


def wait_for(condition, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    return None


def log_lines(path):
    return [line.decode('cp1252').rstrip('\r') for line in read_bytes(path).split(b'\n') if line.strip()]


def tell_steps(trace):
    """Each step the launcher traced, with the time of day (asctime: "Sun Dec  6 22:21:51 2026 ")."""
    told = None
    for line in trace:
        message = line[25:]
        for start, meaning in STEPS:
            text = meaning.format(rest=message[len(start):].strip(), line=message)
            if message.startswith(start) and text != told:  # the registry's version is compared too
                print('  %s  %s' % (line[11:19], text))
                told = text
                break


def watch_run(bed, display, out_dir):
    """Starts the launcher, times its two windows (taking their pictures without a
    display) and waits for it to end. Returns (run, times, windows seen)."""
    started = time.monotonic()
    bed.start('')
    # Each wait also ends when the launcher has ended: what was not seen by then never comes.
    status = wait_for(lambda: bed.status_shown() and status_geometry(bed) or not bed.running(), 60)
    times = {'status': time.monotonic() - started}
    if isinstance(status, tuple) and not display:
        picture(bed.display, status, os.path.join(out_dir, 'status-dialog.png'))
    wizard = wait_for(lambda: window_geometry(bed.display, WIZARD_TITLE) or not bed.running(), 120)
    times['wizard'], times['wizard_clock'] = time.monotonic() - started, time.time()
    if isinstance(wizard, tuple):
        if display:
            print('The wizard window is open on %s: press its OK button to go on.' % display)
        else:
            time.sleep(1)  # let Swing paint
            picture(bed.display, wizard, os.path.join(out_dir, 'wizard.png'))
    # The demo clean-up program removes the installation, launcher.exe and its command line with it.
    run = bed.finish(timeout=None if display else 180, tidy=False)
    times['end'] = time.monotonic() - started
    return run, times, (isinstance(status, tuple), isinstance(wizard, tuple))


def tell_timing(times, seen):
    status_seen, wizard_seen = seen
    print('Status dialog on the screen after %.1f s' % times['status'] if status_seen else
          'The status dialog was not seen')
    if not wizard_seen:
        print('The wizard window was not seen')
        return
    print('Wizard window on the screen after %.1f s (launcher.exe started -> wizard window)' %
          times['wizard'])
    if os.environ.get('DEMO_COMMAND_STARTED'):
        print('  and %.1f s after "bash scripts/demo.sh" started (set-up and build included)' %
              (times['wizard_clock'] - float(os.environ['DEMO_COMMAND_STARTED'])))
    print('launcher.exe ran %.1f s in all' % times['end'])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--install-jvm', action='store_true',
                        help='register no JVM: the launcher installs the one the installation carries')
    options = parser.parse_args()
    display = os.environ.get('DISPLAY')
    version = host_java_version()
    out_dir = tempfile.mkdtemp(prefix='launcher-demo-')
    print('Demo installation: %s (%s)' % (os.path.abspath(DEMO),
          'the launcher installs its JVM' if options.install_jvm else 'a registered JVM is found'))
    print('Host JDK: %s, run by the demo JVM bridge' % version)
    print('Display: %s' % (display or 'a private Xvfb (no DISPLAY set); the wizard closes itself'))

    with WineBed(display=display) as bed:
        start_dir = stage(bed, version, options.install_jvm, auto_close=not display)
        present = [name for name in WINDOWS_COPIES if os.path.exists(bed.drive_c('windows', name))]
        run, times, seen = watch_run(bed, display, out_dir)
        handed_over = wait_for(lambda: os.listdir(bed.install_dir) == ['__cleanup.exe'], 30)
        left = sorted(os.listdir(bed.install_dir))
        copied = [name for name in WINDOWS_COPIES
                  if name not in present and os.path.exists(bed.drive_c('windows', name))]
        registry = bed.wine('reg', 'query', JAVASOFT, '/s').stdout.decode('cp1252')
        trace = log_lines(os.path.join(start_dir, 'jinstall.log'))
        if trace:
            shutil.copy(os.path.join(start_dir, 'jinstall.log'), out_dir)

    print('\nWhat the launcher did (from jinstall.log):')
    tell_steps(trace)
    print('\nlauncher.exe ended (exit code %s)' % run.exit_code)
    for record in run.boxes:
        print('Box "%s": %s' % (record[1].decode('cp1252'), record[2].decode('cp1252')))
    tell_timing(times, seen)
    # The Windows directory, and the user's profile, where the JVM reads it.
    policies = [line.split('security file copied to ')[1] for line in trace
                if 'security file copied to ' in line and line.endswith('.java.policy')]
    print('User security policy installed: %s' % (' and '.join(policies) or 'no'))
    print('Hand-over: %s' % ('cleanup.exe removed the unpacked installation (all but itself, which goes '
                             'at the next restart)' if handed_over else
                             'the installation directory still holds ' + ', '.join(left)))
    if options.install_jvm:
        copied = ', '.join(copied).replace('/', '\\')
        print('Copied into the Windows directory C:\\windows: %s' % (copied or 'nothing'))
        print('\nRegistry entries written (wine reg query %s /s):' % JAVASOFT)
        print('\n'.join('  ' + line for line in registry.splitlines() if line.strip()))
    print('\nTrace log%s saved in: %s' % ('' if display else ' and pictures', out_dir))
    ok = not run.boxes and seen[1] and any('Java wizard launched successfully' in line for line in trace)
    return 0 if ok else 1


if __name__ == '__main__':
    try:
        sys.exit(main())
    except BedError as error:
        sys.exit('demo: %s' % error)

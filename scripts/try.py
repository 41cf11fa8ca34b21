#!/usr/bin/env python3
"""Runs launcher.exe under Wine on an installation author's own folder, as the
demo runs it on the demo installation, and tells what the run did and left.

    bash scripts/try.sh DIR [launcher arguments]

DIR is copied into a hermetic Wine prefix (tests/process/winebed.py) and never
changed. The host's JDK plays the JVM through the demo's JVM bridge, in the
place DIR's kiv.control gives one: as the ready runtime of jvmBundledDir, as
the self-extractor jvmSelfExtractor names (the demo's, which unpacks the
bridge), or else registered under JavaSoft as a JVM of the host JDK's version.
Printed: the boxes, the trace's steps, the exit code, and what the run left
on the machine: files outside DIR and registry keys written. The logs are kept.
"""
import os
import shutil
import sys
import tempfile
import time

import demo  # puts tests/process, the test bed's folder, on the module path
from winebed import BedError, WineBed, read_bytes  # noqa: E402

TRY_HOME = 'TryJava'  # C:\TryJava: the registered JVM's home
REGISTRY_ROOTS = (r'HKEY_LOCAL_MACHINE\Software', r'HKEY_CURRENT_USER\Software')
WINE_OWN = r'\Software\Wine'  # Wine's own settings, which it writes as any window is shown
EXIT_CODES = {0: 'success, or the wizard\'s own 0', 82: 'ERROR_CANNOT_MAKE', 1067: 'ERROR_PROCESS_ABORTED',
              1155: 'ERROR_NO_ASSOCIATION', 1603: 'ERROR_INSTALL_FAILURE', 1618: 'ERROR_INSTALL_ALREADY_RUNNING',
              1619: 'ERROR_INSTALL_PACKAGE_OPEN_FAILED', 1633: 'ERROR_INSTALL_PLATFORM_UNSUPPORTED'}


def control_values(folder):
    """The keys of DIR's kiv.control by the line rule: a key in the first column, one
    separator; the last line wins, the first for jvmThirdPartyInstaller."""
    values = {}
    try:
        with open(os.path.join(folder, 'kiv.control'), 'rb') as f:
            lines = f.read().decode('cp1252', 'replace').replace('\r', '').split('\n')
    except FileNotFoundError:
        return values
    for key in ('jvmBundledDir', 'jvmSelfExtractor', 'jvmThirdPartyInstaller'):
        found = [line[len(key) + 1:] for line in lines if line.startswith(key)]
        if found:
            values[key] = found[0] if key == 'jvmThirdPartyInstaller' else found[-1]
    return values


def windows_command_line(arguments):
    """The launcher's command line: each argument with a blank in double quotes."""
    return ' '.join('"%s"' % a if ' ' in a and '"' not in a else a for a in arguments)


def place_jvm(bed, control, version):
    """Puts the bridge where kiv.control looks for a JVM; says where."""
    bundled = control.get('jvmBundledDir', '').replace('\\', '/')
    extractor = control.get('jvmSelfExtractor', '').replace('\\', '/').split('/')[-1]
    vendor = control.get('jvmThirdPartyInstaller', '').lower() in ('true', 'yes')
    if bundled:
        demo.put_bridge(bed.path(os.path.join(bundled, 'bin')))
        return 'carried, as jvmBundledDir=%s (its bin\\java.exe and javaw.exe replaced)' % bundled
    if extractor and not vendor:
        shutil.copy(os.path.join(demo.DEMO_BUILD, 'demo_jre_setup.exe'), bed.path(extractor))
        return 'carried, as the self-extractor %s (the demo\'s, which unpacks the bridge)' % extractor
    demo.register_bridge(bed, TRY_HOME, version, ['JDK', 'Java Runtime Environment'])
    return 'registered as C:\\%s under JavaSoft\\JDK\\%s and JavaSoft\\Java Runtime Environment\\%s' % (
        TRY_HOME, version, version)


def files_of(top):
    """{path below top: (size, modification time)} of every file."""
    found = {}
    for folder, _, names in os.walk(top):
        for name in names:
            path = os.path.join(folder, name)
            try:
                info = os.lstat(path)
            except OSError:
                continue
            found[os.path.relpath(path, top)] = (info.st_size, info.st_mtime_ns)
    return found


def registry_of(bed):
    """{key: [value lines]} under HKLM\\Software and HKCU\\Software, as reg export writes them."""
    keys = {}
    for root in REGISTRY_ROOTS:
        path = os.path.join(bed.root, 'export.reg')
        bed.wine('reg', 'export', root, bed.windows_path(path), '/y', timeout=120)
        key = None
        for line in read_bytes(path).decode('utf-16', 'replace').replace('\\\r\n  ', '').splitlines():
            if line.startswith('[') and line.endswith(']'):
                key = line[1:-1]
                keys[key] = []
            elif key and line.strip():
                keys[key].append(line)
    return keys


def machine_state(bed):
    return files_of(bed.drive_c()), registry_of(bed)


def tell_changes(before, after, start_dir):
    files_before, keys_before = before
    files_after, keys_after = after
    print('\nWhat the run left on the machine:')
    changed = sorted(p for p in files_after if files_before.get(p) != files_after[p])
    removed = sorted(p for p in files_before if p not in files_after)
    print('  Files outside the installation folder:%s' % ('' if changed or removed else ' none'))
    for path in changed:
        print('    %s C:\\%s (%d bytes)' % ('changed' if path in files_before else 'new    ',
                                          path.replace('/', '\\'), files_after[path][0]))
    for path in removed:
        print('    removed C:\\%s' % path.replace('/', '\\'))
    logs = sorted(os.listdir(start_dir))
    print('  Start directory (startdir.txt): %s' % (', '.join(logs) if logs else 'nothing'))
    written = [k for k in sorted(keys_after) if keys_before.get(k) != keys_after[k]
               and WINE_OWN not in k]
    deleted = [k for k in sorted(keys_before) if k not in keys_after and WINE_OWN not in k]
    print('  Registry keys written:%s' % ('' if written or deleted else ' none'))
    for key in written:
        print('    %s' % key)
        for line in keys_after[key]:
            if line not in keys_before.get(key, []):
                print('      %s' % line)
    for key in deleted:
        print('    deleted %s' % key)


def run_launcher(bed, command_line, display):
    """Starts the launcher and waits for it: with a display of one's own for as long as
    it takes, else up to TRY_TIMEOUT seconds (300), then ends it. Returns the run or None."""
    bed.start(command_line)
    limit = None if display else float(os.environ.get('TRY_TIMEOUT', '300'))
    try:
        return bed.finish(timeout=limit, tidy=False)  # the clean-up program may remove the installation
    except Exception:  # subprocess.TimeoutExpired: the wizard waits for someone
        bed.process.kill()
        return None


def main(arguments):
    if not arguments or not os.path.isdir(arguments[0]):
        sys.exit('usage: bash scripts/try.sh DIR [launcher arguments]  (DIR: an installation folder)')
    folder = os.path.abspath(arguments[0])
    command_line = windows_command_line(arguments[1:])
    display = os.environ.get('DISPLAY')
    version = demo.host_java_version()
    control = control_values(folder)
    out_dir = tempfile.mkdtemp(prefix='launcher-try-')
    print('Installation: %s (a copy runs; the folder stays as it is)' % folder)
    print('Command line: launcher.exe %s' % command_line)
    for name, why in (('kiv.control', 'the launcher will fail with "Unable to open kiv.control"'),
                      ('TestJvm.class', 'every JVM found is taken untested (authors\' guide, section 4)')):
        if not os.path.exists(os.path.join(folder, name)):
            print('Note: DIR has no %s: %s' % (name, why))

    with WineBed(install_name=os.path.basename(folder), display=display) as bed:
        shutil.copytree(folder, bed.install_dir, dirs_exist_ok=True)
        start_dir = demo.keep_logs(bed)
        print('JVM: the host JDK %s behind the demo JVM bridge, %s' % (version, place_jvm(bed, control, version)))
        print('Display: %s' % (display or 'a private Xvfb (no DISPLAY set); boxes are answered OK'))
        before = machine_state(bed)
        run = run_launcher(bed, command_line, display)
        if run and bed.exists('__cleanup.exe'):
            time.sleep(2)  # the clean-up program runs on after the launcher
        after = machine_state(bed)
        for name in ('jinstall.log', 'errors.log'):
            for place in (start_dir, bed.install_dir):
                if os.path.exists(os.path.join(place, name)):
                    shutil.copy(os.path.join(place, name), out_dir)
                    break
        trace = demo.log_lines(os.path.join(out_dir, 'jinstall.log'))
        print('\nWhat the launcher did (from jinstall.log):')
        demo.tell_steps(trace)
        print('\nBoxes:%s' % ('' if run and run.boxes else ' none'))
        for record in run.boxes if run else []:
            print('  "%s": %s' % (record[1].decode('cp1252'), record[2].decode('cp1252').replace('\r', '\n  ')))
        if run is None:
            print('launcher.exe did not end within TRY_TIMEOUT and was ended')
        else:
            print('launcher.exe ended with exit code %s (%s)' % (run.exit_code,
                                                                  EXIT_CODES.get(run.exit_code, 'the wizard\'s own')))
        tell_changes(before, after, start_dir)
    print('\nThe logs of the run are saved in: %s' % out_dir)
    return 0 if run else 1


if __name__ == '__main__':
    try:
        sys.exit(main(sys.argv[1:]))
    except BedError as error:
        sys.exit('try: %s' % error)

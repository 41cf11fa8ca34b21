"""A hermetic test bed for the launcher: a copy of a template Wine prefix, its
own Xvfb display and wineserver, and a temporary installation directory.

The build folder says which Wine runs it (its file wine-arch): the 32-bit build
in a 32-bit prefix, or the 64-bit twin of the same sources, for hosts that cannot
run 32-bit programs, in a 64-bit prefix under the 64-bit loader called directly.

Nothing of the developer's own Wine set-up is used, and everything the bed
started or created is gone when it closes.
"""
import fcntl
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BUILD_DIR = os.environ.get('LAUNCHER_BUILD_DIR') or os.path.abspath(
    os.path.join(os.path.dirname(__file__), '..', '..', 'build'))
TOOLS_DIR = os.path.join(BUILD_DIR, 'tests')
TEMPLATE = os.path.join(BUILD_DIR, 'wine-template')
LAUNCHER = os.path.join(BUILD_DIR, 'launcher.exe')
SCRIPTED_LAUNCHER = os.path.join(TOOLS_DIR, 'launcher_scripted.exe')
BOXWATCH = os.path.join(TOOLS_DIR, 'boxwatch.exe')
# The executable that ships: always the 32-bit build, whichever build runs the behaviour.
PRODUCT_LAUNCHER = os.path.join(os.environ.get('LAUNCHER_PRODUCT_DIR') or BUILD_DIR, 'launcher.exe')
SOURCE_DIR = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
with open(os.path.join(SOURCE_DIR, 'CMakeLists.txt')) as _build:
    VERSION = re.search(r'project\(launcher VERSION ([\d.]+)', _build.read()).group(1)
VERSION_LINE = b'Installation launcher version ' + VERSION.encode()  # a run's first in jinstall.log

# Written into the template when it is made: a template of another kind is made afresh.
TEMPLATE_KIND = 'fonts, windows\\system, 32-bit Program Files\n'
QUIET = {'stdin': subprocess.DEVNULL, 'stdout': subprocess.DEVNULL, 'stderr': subprocess.DEVNULL}
STAMP = re.compile(rb'^[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123]\d \d\d:\d\d:\d\d \d{4} ', re.M)
# Texts many tests expect: the hint that ends an English error box, the box of a run without
# a JVM, and the two parts of the report of a failed installation.
SUFFIX = b'\n\nSee errors.log and jinstall.log files for details.'
NO_JRE_BOX = b'The correct version of the JRE was not found on your system.' + SUFFIX
DISK_HINT = (b'Are the destination or temporary directories out of disk space?\r\r'
             b'    See errors.log for other possible causes.')
JRE = 'Java Runtime Environment'  # the registry's name for a JVM without a compiler
JRE_KEY = r'HKLM\SOFTWARE\JavaSoft\Java Runtime Environment'
ZULU = r'HKLM\SOFTWARE\Azul Systems\Zulu\zulu-'  # a vendor's key of today, with the version after
OTHER_CAUSES = [b"Other possible causes for errors:",
                b"    * Read/write access rights to the 'temp' and installation directories?",
                b"    * OS need to be patched to run Java apps?",
                b"    * Anti-virus software installed that won't permit unknonwn executable or JAR files "
                b"to run?"]


def read_bytes(path):
    """The file's bytes; none when it does not exist."""
    try:
        with open(path, 'rb') as f:
            return f.read()
    except FileNotFoundError:
        return b''


ARCH = read_bytes(os.path.join(BUILD_DIR, 'wine-arch')).decode().strip() or 'win32'
# Debian's wine wrapper would take the 32-bit loader whenever wine32 is installed.
WINE, WINESERVER = ('/usr/lib/wine/wine64', '/usr/lib/wine/wineserver64') if ARCH == 'win64' else ('wine', 'wineserver')
_LOADER_ENV = {'WINELOADER': WINE, 'WINESERVER': WINESERVER} if ARCH == 'win64' else {}


class BedError(Exception):
    """Wine could not be set up: the message says why and what to do."""


def _base_env(prefix):
    env = {k: v for k, v in os.environ.items() if not k.startswith('WINE') and not k.startswith('LC_')}
    # Wine names Unix files by the Unix locale's character set: UTF-8, whatever the host's
    # locale, so that a folder named in another script keeps its name. The ANSI code page is
    # then 1252.
    env.update(WINEPREFIX=prefix, WINEARCH=ARCH, WINEDEBUG='-all', LANG='C.UTF-8',
               WINEDLLOVERRIDES='winemenubuilder.exe=d', **_LOADER_ENV)
    env.pop('DISPLAY', None)
    return env


def _install_wine_fonts(folder):
    """Wine's own TrueType fonts (package fonts-wine) are not taken from its data folder
    here: without them a caption's close button is drawn as the letter "r", its Marlett
    glyph's code. In the prefix's font folder they are found."""
    source = '/usr/share/wine/fonts'
    if os.path.isdir(source):
        for name in os.listdir(source):
            if name.endswith('.ttf'):
                shutil.copy(os.path.join(source, name), folder)


def ensure_template():
    """Creates the template prefix once; concurrent callers wait for the first."""
    os.makedirs(BUILD_DIR, exist_ok=True)
    with open(TEMPLATE + '.lock', 'w') as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            with open(os.path.join(TEMPLATE, '.ready')) as ready:
                if ready.read() == TEMPLATE_KIND:
                    return
        except FileNotFoundError:
            pass
        shutil.rmtree(TEMPLATE, ignore_errors=True)
        work = tempfile.mkdtemp(prefix='wine-template-', dir=BUILD_DIR)
        env = _base_env(work)
        try:
            boot = subprocess.run([WINE, 'wineboot', '-i'], env=env, timeout=300, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            if boot.returncode != 0:
                last = (boot.stderr.decode('latin-1').strip().splitlines() or ['no message'])[-1]
                raise BedError('making a %s Wine prefix failed (%s exited with %d: %s); '
                               'run scripts/setup.sh as root to install Wine'
                               % (ARCH, WINE, boot.returncode, last))
            # Without a window manager, managed windows lose their captions and
            # every destroy waits about two seconds.
            subprocess.run([WINE, 'reg', 'add', r'HKCU\Software\Wine\X11 Driver', '/v', 'Managed',
                            '/d', 'N', '/f'], env=env, check=True, timeout=120, **QUIET)
            # 64-bit Windows names Program Files (x86) in the 32-bit view's ProgramFilesDir;
            # a fresh 64-bit Wine prefix leaves that view's values out.
            if ARCH == 'win64':
                for name, value in [('ProgramFilesDir', r'C:\Program Files (x86)'),
                                    ('CommonFilesDir', r'C:\Program Files (x86)\Common Files')]:
                    subprocess.run([WINE, 'reg', 'add', r'HKLM\Software\Microsoft\Windows\CurrentVersion', '/v', name,
                                    '/d', value, '/f', '/reg:32'], env=env, check=True, timeout=120, **QUIET)
            subprocess.run([WINESERVER, '-w'], env=env, timeout=120, **QUIET)
            # Windows NT has C:\windows\system beside system32; a fresh 64-bit prefix lacks it.
            os.makedirs(os.path.join(work, 'drive_c', 'windows', 'system'), exist_ok=True)
            _install_wine_fonts(os.path.join(work, 'drive_c', 'windows', 'Fonts'))
        except BaseException:
            subprocess.run([WINESERVER, '-k'], env=env, **QUIET)
            shutil.rmtree(work, ignore_errors=True)
            raise
        with open(os.path.join(work, '.ready'), 'w') as ready:
            ready.write(TEMPLATE_KIND)
        os.rename(work, TEMPLATE)


def _copy_template(prefix, env):
    """A copy of the template prefix with its server running and warmed up: the first process
    starts Wine's helpers, which must not inherit the caller's pipes."""
    subprocess.run(['cp', '-a', TEMPLATE, prefix], check=True)
    subprocess.run([WINESERVER, '-p'], env=env, check=True, **QUIET)
    subprocess.run([WINE, 'cmd', '/c', 'exit', '0'], env=env, timeout=60, **QUIET)


class Run:
    """What one launcher run left behind."""

    def __init__(self, exit_code, records):
        self.exit_code = exit_code
        self.boxes = [r for r in records if r[0] == 'box']
        self.status = [r for r in records if r[0] == 'status']
        self.texts = [box[2] for box in self.boxes]


def read_record(path):
    """A double's record: key=value lines; the wizard's ends with the lines of the
    native.properties it found (None when there was none)."""
    with open(path, 'rb') as f:
        head, _, found = f.read().partition(b'native.properties:')
    record = dict(line.partition(b'=')[::2] for line in head.splitlines() if line)
    if found:
        record[b'native.properties'] = None if found.strip() == b'(absent)' else found[1:].split(b'\r\n')[:-1]
    return record


def jvm_runs(bin_dir):
    """The command lines the JVM double in bin_dir was started with, oldest first."""
    return [line.split(b'|')[0] for line in read_bytes(os.path.join(bin_dir, 'jvm-runs.txt')).splitlines()]


MACHINES = {'x86': 0x014C, 'x64': 0x8664, 'arm64': 0xAA64}
NATIVE = 'x64' if ARCH == 'win64' else 'x86'  # what the test doubles are built for


def set_machine(path, machine):
    """Writes another architecture into a program's PE header (its machine field)."""
    with open(path, 'r+b') as f:
        f.seek(0x3C)
        offset = int.from_bytes(f.read(4), 'little')
        f.seek(offset)
        assert f.read(4) == b'PE\0\0'
        f.write(MACHINES[machine].to_bytes(2, 'little'))


def reg_text(value):
    """Data for set_registry: a text, a binary value without a terminating zero, a number."""
    return '"%s"' % value.replace('\\', '\\\\').replace('"', '\\"')


def reg_binary(data):
    return 'hex:' + ','.join('%02x' % byte for byte in data)


def reg_dword(number):
    return 'dword:%08x' % number


def _parse_record(line):
    """A boxwatch record: tab-separated fields with \\n, \\r, \\t and \\\\ escaped."""
    escapes = {b'n': b'\n', b'r': b'\r', b't': b'\t'}
    fields = [re.sub(rb'\\(.)', lambda m: escapes.get(m.group(1), m.group(1)), field, flags=re.S)
              for field in line.rstrip(b'\n').split(b'\t')]
    return [fields[0].decode()] + fields[1:]


def compiled_locale(language):
    """The folder for LOCPATH that holds the language's UTF-8 Unix locale, compiled into the
    build folder, never into the system. Wine takes its ANSI code page from it (ja_JP: 932)."""
    folder = os.path.join(BUILD_DIR, 'locales')
    os.makedirs(folder, exist_ok=True)
    with open(folder + '.lock', 'w') as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        target = os.path.join(folder, language + '.UTF-8')
        if not os.path.exists(os.path.join(target, 'LC_CTYPE')):  # its sources: the locales package
            subprocess.run(['localedef', '-i', language, '-f', 'UTF-8', target], check=True)
    return folder


class WineBed:
    def __init__(self, install_name='install dir', display=None, locale=None, launcher_name='launcher.exe'):
        """display: an X display to show the windows on; by default a private Xvfb. locale: the
        language whose Unix locale gives Wine its code page. launcher_name: the launcher's file name."""
        self.install_name = install_name
        self.drives = {}  # Unix folder: the Wine drive mapped to it
        self.locale = locale
        self.launcher_name = launcher_name
        self.launch_env = {}  # extra environment for the launcher alone (USERPROFILE too)
        self.answer = 'no'  # what the box watcher answers a box that asks Yes or No
        self.display = display.lstrip(':') if display else None

    def __enter__(self):
        ensure_template()
        # The test command points LAUNCHER_BED_ROOT at a folder it sweeps at the end,
        # so even a bed whose test was killed leaves nothing behind.
        self.root = tempfile.mkdtemp(prefix='launcher-bed-', dir=os.environ.get('LAUNCHER_BED_ROOT'))
        self.prefix = os.path.join(self.root, 'prefix')
        self.xvfb = None
        self.watcher = None
        try:
            self.install_dir = os.path.join(self.root, self.install_name)
            os.makedirs(self.install_dir)
            if not self.display:
                self._start_display()
            self.env = _base_env(self.prefix)
            self.env['DISPLAY'] = ':' + self.display
            if self.locale:
                self.env.update(LOCPATH=compiled_locale(self.locale), LANG=self.locale + '.UTF-8')
            _copy_template(self.prefix, self.env)
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start_display(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ['Xvfb', '-displayfd', str(write_fd), '-screen', '0', '1024x768x24', '-nolisten', 'tcp'],
            pass_fds=(write_fd,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write_fd)
        with open(os.path.join(self.root, 'xvfb.pid'), 'w') as f:
            f.write(str(self.xvfb.pid))
        with os.fdopen(read_fd) as pipe:
            self.display = pipe.readline().strip()
        if not self.display:
            raise RuntimeError('Xvfb did not start')

    def __exit__(self, *exc):
        if getattr(self, 'env', None):
            subprocess.run([WINESERVER, '-k'], env=self.env, timeout=60, **QUIET)
        if self.watcher and self.watcher.poll() is None:
            self.watcher.kill()
            self.watcher.wait()
        if self.xvfb:
            os.killpg(self.xvfb.pid, signal.SIGTERM)
            self.xvfb.wait()
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    # --- the installation directory -------------------------------------------------

    def path(self, name):
        return os.path.join(self.install_dir, name)

    def write(self, name, data):
        """Writes the file (a text in code page 1252), and the folders it lies in."""
        if isinstance(data, str):
            data = data.encode('cp1252')
        os.makedirs(os.path.dirname(self.path(name)), exist_ok=True)
        with open(self.path(name), 'wb') as f:
            f.write(data)

    def read(self, name):
        with open(self.path(name), 'rb') as f:
            return f.read()

    def exists(self, name):
        return os.path.exists(self.path(name))

    def existing(self, *names):
        """Those of the names (in the installation directory, or full paths) that exist."""
        return [name for name in names if self.exists(name)]

    def log(self, name):
        """The file's messages without their time stamps; continuation lines stay with theirs."""
        return STAMP.sub(b'', read_bytes(self.path(name))).split(b'\r\n')[:-1]

    def installation(self, control, trace=False):
        """An installation with a wizard; with trace, a jinstall.log of the author's that is kept."""
        self.write('kiv.control', control)
        if trace:
            self.write('jinstall.log', b'')
        self.write('TestJvm.class', b'\xca\xfe\xba\xbe')
        self.write('install.jar', b'PK')

    def carry_jvm(self, control, extractor='jre-setup.exe', trace=False, **config):
        """An installation that carries a JVM 1.3.1 in a self-extractor: the extractor double,
        configured by extractor.txt (config), beside the JVM double it unpacks."""
        shutil.copy(os.path.join(TOOLS_DIR, 'jvm_extractor_double.exe'), self.path(extractor))
        shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), self.path('jvm_double.exe'))
        self.write('extractor.txt', ''.join('%s=%s\n' % item for item in config.items()))
        self.installation('jvmVersion=1.3.1\njvmSelfExtractor=%s\n' % extractor + control, trace)

    def found_jvm(self, control='', trace=True, home='jre', **jvm):
        """A JVM 1.3.1 in C:\\<home> registered as a JRE 1.3 with its micro version (jvm: more for
        add_jvm), and an installation that asks for it, started by javaw.exe; returns its bin folder."""
        bin_dir = self.add_jvm(home, '1.3.1', product=JRE, subkey='1.3', micro='1', **jvm)
        self.installation(control + 'jvmRequiredVersion=1.3\njvmCommandName=javaw.exe\n', trace)
        return bin_dir

    def applet(self, control, trace=False):
        """The plug-in kind's installation with these further lines, a Java Plug-in 1.3 registered,
        the page start.html and the browser double; returns the path of the browser's record."""
        self.add_jvm('plugin', '1.3.1', product='Java Plug-in', subkey='1.3')
        self.installation('jvmName=java plug-in\njvmRequiredVersion=1.3\n' + control, trace)
        self.write('start.html', '<html></html>')
        return self.add_browser()

    def hand_over(self):
        """The clean-up program, and a start directory elsewhere: the launcher hands over at its end."""
        shutil.copy(os.path.join(TOOLS_DIR, 'cleanup_double.exe'), self.path('cleanup.exe'))
        os.makedirs(self.drive_c('elsewhere'), exist_ok=True)
        self.write('startdir.txt', 'C:\\elsewhere\r\n')

    def add_browser(self):
        """The browser double, associated with .html pages; returns the path of its record."""
        os.makedirs(self.drive_c('browser'), exist_ok=True)
        shutil.copy(os.path.join(TOOLS_DIR, 'browser_double.exe'), self.drive_c('browser', 'browse.exe'))
        self.reg_add(r'HKCR\.html', None, 'htmlfile')
        self.reg_add(r'HKCR\htmlfile\shell\open\command', None, r'"C:\browser\browse.exe" "%1"')
        # Web addresses too, as a browser registers them.
        for scheme in ('http', 'https'):
            self.reg_add('HKCR\\' + scheme, 'URL Protocol', '')
            self.reg_add('HKCR\\%s\\shell\\open\\command' % scheme, None, r'"C:\browser\browse.exe" "%1"')
        return self.drive_c('browser', 'browser-run.txt')

    def candidates(self):
        """The trace's lines for each JVM considered, without their "jvm candidate: " start."""
        return [line[15:] for line in self.log('jinstall.log') if line.startswith(b'jvm candidate: ')]

    def windows_path(self, unix_path):
        for folder, drive in self.drives.items():
            if unix_path == folder or unix_path.startswith(folder + '/'):
                return drive + unix_path[len(folder):].replace('/', '\\')
        return 'Z:' + unix_path.replace('/', '\\')

    def map_drive(self, letter, folder):
        """Makes a Wine drive of a folder (a dosdevices link), as a CD or a mapped drive;
        windows_path then names what lies in it by that drive."""
        os.symlink(folder, os.path.join(self.prefix, 'dosdevices', letter + ':'))
        self.drives[folder] = letter.upper() + ':'

    # --- Wine -----------------------------------------------------------------------

    def wine(self, *args, timeout=60, cwd=None):
        return subprocess.run([WINE] + list(args), env=self.env, cwd=cwd or self.install_dir,
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)

    def reg_add(self, key, name, value, kind='REG_SZ', view=None):
        """view '32' or '64' writes that registry view; a 32-bit prefix has only one."""
        args = ['reg', 'add', key, '/f', '/t', kind, '/d', value] + (['/reg:' + view] if view else [])
        args[3:3] = ['/ve'] if name is None else ['/v', name]
        result = self.wine(*args)
        if result.returncode != 0 and not (result.stdout or result.stderr):
            # Rarely (seen with 64-bit Wine) Wine fails to start a program and says nothing;
            # reg says why when it is the one that fails. /f makes a second try harmless.
            result = self.wine(*args)
        assert result.returncode == 0, 'reg add %s exited with %d: %r %r' % (
            key, result.returncode, result.stdout, result.stderr)

    def reg_query(self, key):
        """{value name in lower case: (type, data)}; the default value is named '(default)'."""
        out = self.wine('reg', 'query', key).stdout.decode('latin-1')
        rows = [line[4:].split('    ', 2) + [''] for line in out.splitlines() if line.startswith('    ')]
        return {row[0].lower(): (row[1], row[2]) for row in rows if len(row) >= 3}

    def set_registry(self, values):
        """{(key, value name or None for the default): data by reg_text, reg_binary or
        reg_dword, or '-' to delete}. From a file: `reg add` cannot carry 10 KB."""
        lines = ['REGEDIT4']
        for key in dict.fromkeys(key for key, _ in values):
            lines += ['', '[%s]' % key] + ['%s=%s' % ('@' if name is None else reg_text(name), data)
                                           for (k, name), data in values.items() if k == key]
        path = os.path.join(self.root, 'values.reg')
        with open(path, 'w', encoding='latin-1') as f:
            f.write('\r\n'.join(lines) + '\r\n')
        assert self.wine('regedit', '/S', self.windows_path(path)).returncode == 0

    def tool(self, *args, timeout=60):
        # A file, not a pipe: a helper that Wine starts meanwhile (a box's first showing
        # can start one) would inherit a pipe and keep it open until it ends.
        path = os.path.join(self.root, 'tool.out')
        with open(path, 'wb') as out:
            subprocess.run([WINE, BOXWATCH] + list(args), env=self.env, cwd=self.install_dir, stdin=subprocess.DEVNULL,
                           stdout=out, stderr=subprocess.DEVNULL, timeout=timeout)
        return self.read(path).decode('latin-1')

    def stage(self, command_line='', program=LAUNCHER):
        """Puts the launcher and its command line into the installation directory."""
        shutil.copy(program, self.path(self.launcher_name))
        self.write('__cmdline.txt', command_line)

    def drive_c(self, *parts):
        return os.path.join(self.prefix, 'drive_c', *parts)

    def add_jvm(self, home, reported, names=('javaw.exe',), in_bin=True, config=None, product=None,
                subkey=None, micro=None, home_value='JavaHome', key=None, view=None, machine=None):
        """Puts the test-double JVM, reporting version `reported`, into C:\\<home> (or its bin)
        and, when a product such as "Java Runtime Environment" is given, registers it under
        that JavaSoft key with the version subkey `subkey` (by default the reported version);
        or under any `key` (a vendor's, HKCU's), in registry `view` when given. `machine`
        ('x86', 'x64', 'arm64') makes its PE header name another architecture, which
        the launcher must then not run."""
        directory = self.drive_c(*home.split('\\'), *(['bin'] if in_bin else []))
        self.write(os.path.join(directory, 'jvm-double.txt'), 'version=%s\n' % reported if config is None else config)
        for name in names:
            shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), os.path.join(directory, name))
            if machine:
                set_machine(os.path.join(directory, name), machine)
        if product or key:
            key = key or 'HKLM\\SOFTWARE\\JavaSoft\\%s\\%s' % (product, subkey or reported)
            self.reg_add(key, home_value, 'C:\\' + home, view=view)
            if micro is not None:
                self.reg_add(key, 'MicroVersion', micro, view=view)
        return directory

    def start(self, command_line='', program=LAUNCHER, watch=True, staged=False, from_dir=None, token=None,
              station=None):
        """Starts the launcher from the installation directory with exactly this command line;
        with from_dir, by its full path from that directory, as a deployment tool may.
        token='limited' starts it unelevated (the limited token of a split administrator);
        station names a new, invisible window station to start it on, as a service would."""
        if not staged:
            self.stage(command_line, program)
        self.record = os.path.join(self.root, 'boxes.txt')
        self.stop_file = os.path.join(self.root, 'stop-watching')
        for leftover in self.existing(self.record, self.stop_file):
            os.remove(leftover)
        if watch:
            self.watch()
        env = dict(self.env, **self.launch_env, **{'BOXWATCH_SET_' + k: v for k, v in self.launch_env.items()})
        for name, value in (('BOXWATCH_TOKEN', token), ('BOXWATCH_STATION', station)):
            if value:
                env[name] = value
        # A file, not a pipe: the clean-up program inherits the output and may outlive the launcher.
        self.exec_out = os.path.join(self.root, 'exec.out')
        with open(self.exec_out, 'wb') as out:
            launcher, command_file = self.launcher_name, '__cmdline.txt'
            if from_dir:
                launcher, command_file = (self.windows_path(self.path(name)) for name in (launcher, command_file))
            self.process = subprocess.Popen(
                [WINE, BOXWATCH, 'exec', launcher, command_file], env=env, cwd=from_dir or self.install_dir,
                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL)

    def watch(self):
        """Starts the box watcher, which records each box and presses its OK (or answers a
        box that asks Yes or No as `answer` says)."""
        self.watcher = subprocess.Popen(
            [WINE, BOXWATCH, 'watch', self.windows_path(self.record), self.windows_path(self.stop_file)],
            env=dict(self.env, BOXWATCH_ANSWER=self.answer), cwd=self.root, **QUIET)
        time.sleep(0.3)

    def finish(self, timeout=60, tidy=True):
        """Waits for the launcher to end and collects what it left; with tidy, removes the
        launcher and its command line (not where a clean-up program removes the installation)."""
        self.process.wait(timeout=timeout)
        text = self.read(self.exec_out).decode('latin-1')
        exit_code = int(text.split('exit=')[1].split()[0]) if 'exit=' in text else None
        records = []
        if self.watcher:
            open(self.stop_file, 'w').close()
            self.watcher.wait(timeout=30)
            self.watcher = None
            records = [_parse_record(line) for line in read_bytes(self.record).split(b'\n') if line.strip()]
        if tidy:
            for name in self.existing('__cmdline.txt', self.launcher_name):
                os.remove(self.path(name))
        return Run(exit_code, records)

    def run(self, command_line='', program=LAUNCHER, timeout=60, from_dir=None, token=None, station=None):
        self.start(command_line, program, from_dir=from_dir, token=token, station=station)
        return self.finish(timeout)

    def status_shown(self):
        """True once the watcher has seen the status dialog on the screen."""
        return b'status\t' in read_bytes(self.record)

    def running(self):
        return self.process.poll() is None

    def wait_for(self, condition, timeout=20.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if condition():
                return True
            time.sleep(0.02)
        return False


def _shared_prefix(folder):
    """A throw-away copy of the template with a running, warmed-up server, for the unit
    tests; prints the shell exports that point Wine commands at it."""
    ensure_template()
    prefix = os.path.join(folder, 'prefix')
    env = _base_env(prefix)
    _copy_template(prefix, env)  # before ctest starts, whose pipes Wine's helpers must not inherit
    for name in ['WINEPREFIX', 'WINEARCH', 'WINEDEBUG', 'LANG'] + sorted(_LOADER_ENV):
        print("export %s='%s'" % (name, env[name]))


def _stop(prefixes):
    for prefix in prefixes:
        if os.path.isdir(prefix):
            subprocess.run([WINESERVER, '-k'], env=_base_env(prefix), timeout=60, **QUIET)


if __name__ == '__main__':
    # For the shell scripts: "template", "shared-prefix FOLDER", "stop PREFIX...".
    try:
        if sys.argv[1] == 'template':
            ensure_template()
        elif sys.argv[1] == 'shared-prefix':
            _shared_prefix(sys.argv[2])
        elif sys.argv[1] == 'stop':
            _stop(sys.argv[2:])
    except BedError as error:
        sys.exit('error: %s' % error)

"""A hermetic test bed for the launcher: a copy of a template 32-bit Wine prefix,
its own Xvfb display and wineserver, and a temporary installation directory.

Nothing of the developer's own Wine set-up is used, and everything the bed
started or created is gone when it closes.
"""
import fcntl
import os
import shutil
import signal
import subprocess
import tempfile
import time

BUILD_DIR = os.environ.get('LAUNCHER_BUILD_DIR') or os.path.abspath(
    os.path.join(os.path.dirname(__file__), '..', '..', 'build'))
TOOLS_DIR = os.path.join(BUILD_DIR, 'tests')
TEMPLATE = os.path.join(BUILD_DIR, 'wine-template')
LAUNCHER = os.path.join(BUILD_DIR, 'launcher.exe')
SCRIPTED_LAUNCHER = os.path.join(TOOLS_DIR, 'launcher_scripted.exe')

QUIET = {'stdin': subprocess.DEVNULL, 'stdout': subprocess.DEVNULL, 'stderr': subprocess.DEVNULL}


def _base_env(prefix):
    env = {k: v for k, v in os.environ.items() if not k.startswith('WINE')}
    env.update(WINEPREFIX=prefix, WINEARCH='win32', WINEDEBUG='-all',
               WINEDLLOVERRIDES='winemenubuilder.exe=d')
    env.pop('DISPLAY', None)
    return env


def ensure_template():
    """Creates the template prefix once; concurrent callers wait for the first."""
    os.makedirs(BUILD_DIR, exist_ok=True)
    with open(TEMPLATE + '.lock', 'w') as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(os.path.join(TEMPLATE, '.ready')):
            return
        shutil.rmtree(TEMPLATE, ignore_errors=True)
        work = tempfile.mkdtemp(prefix='wine-template-', dir=BUILD_DIR)
        env = _base_env(work)
        try:
            subprocess.run(['wineboot', '-i'], env=env, check=True, timeout=300, **QUIET)
            # Without a window manager, managed windows lose their captions and
            # every destroy waits about two seconds.
            subprocess.run(['wine', 'reg', 'add', r'HKCU\Software\Wine\X11 Driver', '/v', 'Managed',
                            '/d', 'N', '/f'], env=env, check=True, timeout=120, **QUIET)
            subprocess.run(['wineserver', '-w'], env=env, timeout=120, **QUIET)
        except BaseException:
            subprocess.run(['wineserver', '-k'], env=env, **QUIET)
            shutil.rmtree(work, ignore_errors=True)
            raise
        open(os.path.join(work, '.ready'), 'w').close()
        os.rename(work, TEMPLATE)


class Run:
    """What one launcher run left behind."""

    def __init__(self, exit_code, records, install_dir):
        self.exit_code = exit_code
        self.boxes = [r for r in records if r[0] == 'box']
        self.status = [r for r in records if r[0] == 'status']
        self.install_dir = install_dir


def _parse_record(line):
    fields = line.rstrip(b'\n').split(b'\t')
    return [fields[0].decode()] + [_unescape(f) for f in fields[1:]]


def _unescape(field):
    out = bytearray()
    i = 0
    while i < len(field):
        if field[i:i + 1] == b'\\' and i + 1 < len(field):
            out += {b'n': b'\n', b'r': b'\r', b't': b'\t'}.get(field[i + 1:i + 2], field[i + 1:i + 2])
            i += 2
        else:
            out += field[i:i + 1]
            i += 1
    return bytes(out)


class WineBed:
    def __init__(self, install_name='install dir', display=None):
        """display: an X display to show the windows on; by default a private Xvfb."""
        self.install_name = install_name
        self.launch_env = {}  # extra environment for the launcher alone
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
            subprocess.run(['cp', '-a', TEMPLATE, self.prefix], check=True)
            self.install_dir = os.path.join(self.root, self.install_name)
            os.makedirs(self.install_dir)
            if not self.display:
                self._start_display()
            self.env = _base_env(self.prefix)
            self.env['DISPLAY'] = ':' + self.display
            subprocess.run(['wineserver', '-p'], env=self.env, check=True, **QUIET)
            # The first process starts Wine's helpers; they must not inherit the test's pipes.
            subprocess.run(['wine', 'cmd', '/c', 'exit', '0'], env=self.env, timeout=60, **QUIET)
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
            subprocess.run(['wineserver', '-k'], env=self.env, timeout=60, **QUIET)
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
        if isinstance(data, str):
            data = data.encode('cp1252')
        with open(self.path(name), 'wb') as f:
            f.write(data)

    def read(self, name):
        with open(self.path(name), 'rb') as f:
            return f.read()

    def exists(self, name):
        return os.path.exists(self.path(name))

    def windows_path(self, unix_path):
        return 'Z:' + unix_path.replace('/', '\\')

    # --- Wine -----------------------------------------------------------------------

    def wine(self, *args, timeout=60, cwd=None):
        return subprocess.run(['wine'] + list(args), env=self.env, cwd=cwd or self.install_dir,
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)

    def reg_add(self, key, name, value, kind='REG_SZ'):
        args = ['reg', 'add', key, '/f', '/t', kind, '/d', value]
        args[3:3] = ['/ve'] if name is None else ['/v', name]
        result = self.wine(*args)
        assert result.returncode == 0, result.stderr

    def tool(self, *args, timeout=60):
        out = self.wine(os.path.join(TOOLS_DIR, 'boxwatch.exe'), *args, timeout=timeout)
        return out.stdout.decode('latin-1')

    def stage(self, command_line='', program=LAUNCHER):
        """Puts the launcher and its command line into the installation directory."""
        shutil.copy(program, self.path('launcher.exe'))
        self.write('__cmdline.txt', command_line)

    def drive_c(self, *parts):
        return os.path.join(self.prefix, 'drive_c', *parts)

    def add_jvm(self, home, reported, names=('javaw.exe',), in_bin=True, config=None, product=None,
                subkey=None, micro=None, home_value='JavaHome'):
        """Puts the test-double JVM, reporting version `reported`, into C:\\<home> (or its bin)
        and, when a product such as "Java Runtime Environment" is given, registers it under
        that JavaSoft key with the version subkey `subkey` (by default the reported version)."""
        directory = self.drive_c(home, 'bin') if in_bin else self.drive_c(home)
        os.makedirs(directory, exist_ok=True)
        for name in names:
            shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), os.path.join(directory, name))
        with open(os.path.join(directory, 'jvm-double.txt'), 'w') as f:
            f.write(config if config is not None else 'version=%s\n' % reported)
        if product:
            key = 'HKLM\\SOFTWARE\\JavaSoft\\%s\\%s' % (product, subkey or reported)
            self.reg_add(key, home_value, 'C:\\' + home)
            if micro is not None:
                self.reg_add(key, 'MicroVersion', micro)
        return directory

    def start(self, command_line='', program=LAUNCHER, watch=True, staged=False, whole_line=False):
        """Starts the launcher from the installation directory with exactly this command line.
        With whole_line, __cmdline.txt holds the whole line, program name included."""
        if not staged:
            self.stage(command_line, program)
        self.record = os.path.join(self.root, 'boxes.txt')
        self.stop_file = os.path.join(self.root, 'stop-watching')
        for leftover in (self.record, self.stop_file):
            if os.path.exists(leftover):
                os.remove(leftover)
        if watch:
            self.watcher = subprocess.Popen(
                ['wine', os.path.join(TOOLS_DIR, 'boxwatch.exe'), 'watch',
                 self.windows_path(self.record), self.windows_path(self.stop_file)],
                env=self.env, cwd=self.root, **QUIET)
            time.sleep(0.3)
        # A file, not a pipe: the clean-up program inherits the output and may outlive the launcher.
        self.exec_out = os.path.join(self.root, 'exec.out')
        with open(self.exec_out, 'wb') as out:
            self.process = subprocess.Popen(
                ['wine', os.path.join(TOOLS_DIR, 'boxwatch.exe'), 'exec',
                 '-' if whole_line else 'launcher.exe', '__cmdline.txt'],
                env=dict(self.env, **self.launch_env), cwd=self.install_dir, stdin=subprocess.DEVNULL,
                stdout=out, stderr=subprocess.DEVNULL)

    def finish(self, timeout=60):
        """Waits for the launcher to end and collects what it left."""
        self.process.wait(timeout=timeout)
        with open(self.exec_out, 'rb') as f:
            text = f.read().decode('latin-1')
        exit_code = int(text.split('exit=')[1].split()[0]) if 'exit=' in text else None
        records = []
        if self.watcher:
            open(self.stop_file, 'w').close()
            self.watcher.wait(timeout=30)
            self.watcher = None
            if os.path.exists(self.record):
                with open(self.record, 'rb') as f:
                    records = [_parse_record(line) for line in f if line.strip()]
        for name in ('__cmdline.txt', 'launcher.exe'):
            if self.exists(name):
                os.remove(self.path(name))
        return Run(exit_code, records, self.install_dir)

    def run(self, command_line='', program=LAUNCHER, timeout=60):
        self.start(command_line, program)
        return self.finish(timeout)

    def status_shown(self):
        """True once the watcher has seen the status dialog on the screen."""
        try:
            with open(self.record, 'rb') as f:
                return b'status\t' in f.read()
        except FileNotFoundError:
            return False

    def running(self):
        return self.process.poll() is None

    def wait_for(self, condition, timeout=20.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if condition():
                return True
            time.sleep(0.02)
        return False

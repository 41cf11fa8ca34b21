#!/usr/bin/env python3
"""Measures the launcher against its baselines under Wine, in a hermetic WineBed:

- start to wizard start on the main road, against a minimal program that runs
  the same version test and the same wizard (bench/bench_floor.cpp);
- wizard end to the launcher's process end;
- copyFile against CopyFileA on one 64 MB file;
- the launcher's peak working set against the minimal program's;
- the size of launcher.exe and the DLLs it imports.

Prints every figure beside its baseline and goal and, unless --quick, writes
them with the machine and the date into docs/benchmarks.md (between its
benchmark markers; the rest of that file is kept). --quick does one repetition
of each, for the test command, which only checks that the benchmark runs.
Build first (scripts/build.sh, and scripts/build.sh x64 on a host that cannot
run 32-bit programs): the programs come from the build the test command would
run here (build/ or build-x64/) and its bench/ folder.
"""
import argparse
import datetime
import os
import shutil
import statistics
import struct
import subprocess
import sys
import time

ROOT = os.environ.get('LAUNCHER_SOURCE_DIR') or os.path.abspath(
    os.path.join(os.path.dirname(__file__), '..'))

# Run by hand, the benchmark takes the build the test command would run here:
# the 32-bit one, or its 64-bit twin on a host that cannot run 32-bit programs.
if not os.environ.get('LAUNCHER_BUILD_DIR'):
    _road = subprocess.run(['bash', '-c', '. scripts/arch.sh && echo "$road_build"'], cwd=ROOT,
                           capture_output=True, text=True)
    if _road.returncode != 0:
        sys.exit(_road.stderr.strip() or 'scripts/arch.sh could not choose a build')
    os.environ['LAUNCHER_BUILD_DIR'] = os.path.join(ROOT, _road.stdout.strip())
    os.environ.setdefault('LAUNCHER_PRODUCT_DIR', os.path.join(ROOT, 'build'))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'process'))
from winebed import ARCH, BUILD_DIR, LAUNCHER, PRODUCT_LAUNCHER, WINE, WineBed  # noqa: E402

BENCH_DIR = os.path.join(BUILD_DIR, 'bench')
DOC = os.path.join(ROOT, 'docs', 'benchmarks.md')
BEGIN, END = '<!-- benchmark:begin -->', '<!-- benchmark:end -->'
SYSTEM_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'advapi32.dll', 'shell32.dll', 'msvcrt.dll'}
JRE_KEY = r'HKLM\SOFTWARE\JavaSoft\Java Runtime Environment\1.3.1'
COPY_MEGABYTES = 64
KB, MB = 1024, 1024 * 1024


# Sizes are those of the 32-bit programs that ship, whichever build ran.
PRODUCT_FLOOR = os.path.join(os.path.dirname(PRODUCT_LAUNCHER), 'bench', 'bench_floor.exe')


def bench_program(name):
    return os.path.join(BENCH_DIR, name + '.exe')


def pe_imports(path):
    """The DLLs a PE file imports, from its import and delay-import directories."""
    with open(path, 'rb') as f:
        data = f.read()
    header = struct.unpack_from('<I', data, 0x3c)[0]
    sections, optional_size = struct.unpack_from('<H12xH', data, header + 6)
    # The data directories follow the optional header's fixed part, longer in PE32+.
    magic = struct.unpack_from('<H', data, header + 24)[0]
    directories = header + 24 + (112 if magic == 0x20b else 96)
    table = []
    for i in range(sections):
        size, address, raw_size, raw = struct.unpack_from('<IIII', data, header + 24 + optional_size + 40 * i + 8)
        table.append((address, max(size, raw_size), raw))

    def offset(rva):
        return next(rva - a + raw for a, size, raw in table if a <= rva < a + size)

    def names(directory, entry_size, name_field, suffix):
        rva = struct.unpack_from('<I', data, directories + 8 * directory)[0]
        found = []
        entry = offset(rva) if rva else None
        while entry is not None and struct.unpack_from('<I', data, entry + name_field)[0]:
            name = offset(struct.unpack_from('<I', data, entry + name_field)[0])
            found.append(data[name:data.index(b'\0', name)].decode('ascii') + suffix)
            entry += entry_size
        return found

    return names(1, 20, 12, '') + names(13, 32, 4, ' (delayed)')


def machine():
    def first(path, key):
        with open(path) as f:
            return next((l.split(':', 1)[1].strip() for l in f if l.startswith(key)), '?')
    memory_kb = int(first('/proc/meminfo', 'MemTotal').split()[0])
    wine = subprocess.run([WINE, '--version'], capture_output=True, text=True).stdout.strip()
    wine += ' (%s-bit build)' % ('64' if ARCH == 'win64' else '32')
    return {'cpus': os.cpu_count(), 'cpu': first('/proc/cpuinfo', 'model name'),
            'memory': '%.1f GB' % (memory_kb / MB), 'wine': wine}


class Bench:
    """One bed: the benchmark JVM registered, the installation reset before every run."""

    def __init__(self, bed):
        self.bed = bed
        self.jvm_bin = bed.drive_c('jre', 'bin')
        os.makedirs(self.jvm_bin)
        shutil.copy(bench_program('bench_jvm'), os.path.join(self.jvm_bin, 'javaw.exe'))
        bed.reg_add(JRE_KEY, 'JavaHome', 'C:\\jre')
        self.floor_list = os.path.join(bed.root, 'floor.txt')

    def reset(self):
        """The installation as it is unpacked: the launcher, its control file, test class and wizard."""
        for name in os.listdir(self.bed.install_dir):
            path = self.bed.path(name)
            if os.path.isdir(path):
                shutil.rmtree(path)
            else:
                os.remove(path)
        shutil.copy(LAUNCHER, self.bed.path('launcher.exe'))
        self.bed.write('kiv.control', 'jvmRequiredVersion=1.3.1\n')
        self.bed.write('TestJvm.class', b'\xca\xfe\xba\xbe')
        self.bed.write('install.jar', b'PK')

    def timed_run(self, *command):
        """Runs the command under bench_run; the clock stamps in seconds, the peak in bytes."""
        result = self.bed.wine(bench_program('bench_run'), *command, timeout=120)
        out = result.stdout.decode('latin-1')
        fields = dict(f.split('=', 1) for f in out.split() if '=' in f)
        if result.returncode != 0 or 'start' not in fields:
            raise RuntimeError('bench_run %s failed: %s %s' % (command, out, result.stderr.decode('latin-1')))
        frequency = float(fields['frequency'])
        run = {'start': int(fields['start']) / frequency, 'end': int(fields['end']) / frequency,
               'peak': int(fields['peak'])}
        with open(self.bed.path('bench-wizard.txt')) as f:
            stamps = dict(line.strip().split('=', 1) for line in f if '=' in line)
        run['to_wizard'] = int(stamps['start']) / frequency - run['start']
        run['after_wizard'] = run['end'] - int(stamps['end']) / frequency
        return run

    def launcher(self, switches=()):
        self.reset()
        # The main road ends in the wizard, whose stamps timed_run reads; the launcher's
        # exit code is that of its last message and says nothing here.
        return self.timed_run(self.bed.windows_path(self.bed.path('launcher.exe')), *switches)

    def record_commands(self):
        """The version test and wizard command lines of the launcher's last run, for the floor."""
        with open(os.path.join(self.jvm_bin, 'bench-runs.txt'), 'rb') as f:
            lines = f.read().decode('latin-1').splitlines()
        test, wizard = lines[-2], lines[-1]
        if 'TestJvm' not in test or 'TestJvm' in wizard:
            raise RuntimeError('unexpected JVM runs: %r' % lines[-2:])
        with open(self.floor_list, 'w', newline='') as f:
            f.write('C:\\jre\\bin\\javaw.exe\r\n%s\r\n%s\r\n' % (test, wizard))

    def floor(self, window=False):
        for name in ('bench-wizard.txt', '__kivwizard.sem', 'jvmGood.txt'):
            if self.bed.exists(name):
                os.remove(self.bed.path(name))
        switches = ('-window',) if window else ()
        return self.timed_run(self.bed.windows_path(bench_program('bench_floor')), *switches,
                              self.bed.windows_path(self.floor_list))

    def copies(self, repetitions):
        self.reset()
        result = self.bed.wine(bench_program('bench_copy'), str(COPY_MEGABYTES), str(repetitions), timeout=600)
        out = result.stdout.decode('latin-1')
        if result.returncode != 0:
            raise RuntimeError('bench_copy failed: ' + out + result.stderr.decode('latin-1'))
        rows = [dict(f.split('=') for f in line.split()) for line in out.splitlines() if '=' in line]
        return [float(r['copyFile']) for r in rows], [float(r['CopyFileA']) for r in rows]


VARIANTS = [('launcher', lambda b: b.launcher()), ('launcher -q', lambda b: b.launcher(('-q',))),
            ('floor', lambda b: b.floor()), ('floor, one window', lambda b: b.floor(window=True))]


def measure(repetitions):
    runs = {name: [] for name, _ in VARIANTS}
    with WineBed() as bed:
        bench = Bench(bed)
        # Warm-up, not counted: fills the caches and records the JVM commands for the floor.
        bench.launcher()
        bench.record_commands()
        bench.floor()
        for i in range(repetitions):
            # Taking turns at going first spreads any drift over every variant.
            for name, run in VARIANTS[i % len(VARIANTS):] + VARIANTS[:i % len(VARIANTS)]:
                runs[name].append(run(bench))
        own, system = bench.copies(repetitions)
    return runs, own, system


def spread(values, scale, unit):
    return 'median %s, min %s' % (fmt(statistics.median(values) * scale, unit), fmt(min(values) * scale, unit))


def fmt(value, unit):
    return ('%.0f %s' if value >= 100 else '%.1f %s') % (value, unit)


def size_text(path):
    size = os.path.getsize(path)
    return '%d bytes (%.1f KB); imports %s' % (size, size / KB, ', '.join(pe_imports(path)))


def figures(runs, own, system):
    """Rows of (measure, launcher, baseline, goal, result, met)."""
    def values(key, name):
        return [run[key] for run in runs[name]]

    def both(key, first, second, scale, unit):
        return '%s; %s: %s' % (spread(values(key, first), scale, unit), second,
                               spread(values(key, second), scale, unit))

    def median(key, name):
        return statistics.median(values(key, name))

    # The goals compare with the floor that opens one window, as the launcher must: under
    # Wine the first window alone costs about 300 ms and 4 MB (docs/benchmarks.md).
    ratio = median('to_wizard', 'launcher') / median('to_wizard', 'floor')
    ratio_quiet = median('to_wizard', 'launcher -q') / median('to_wizard', 'floor, one window')
    ratio_window = median('to_wizard', 'launcher') / median('to_wizard', 'floor, one window')
    after = median('after_wizard', 'launcher')
    copy_ratio = statistics.median(system) / statistics.median(own)
    extra_memory = median('peak', 'launcher') - median('peak', 'floor, one window')
    size = os.path.getsize(PRODUCT_LAUNCHER)
    foreign = [d for d in pe_imports(PRODUCT_LAUNCHER) if d.split()[0].lower() not in SYSTEM_DLLS]
    return [
        ('start to wizard start', both('to_wizard', 'launcher', 'launcher -q', 1000, 'ms'),
         'floor ' + both('to_wizard', 'floor', 'floor, one window', 1000, 'ms'),
         '<= 1.05 x floor with one window',
         '%.2f x (-q: %.2f x; against the floor without a window: %.2f x)' % (ratio_window, ratio_quiet, ratio),
         ratio_window <= 1.05),
        ('wizard end to process end', both('after_wizard', 'launcher', 'launcher -q', 1000, 'ms'),
         'floor ' + spread(values('after_wizard', 'floor'), 1000, 'ms'), '<= 150 ms',
         fmt(after * 1000, 'ms'), after <= 0.150),
        ('copyFile, %d MB' % COPY_MEGABYTES,
         spread(own, 1000, 'ms') + ' (%.0f MB/s)' % (COPY_MEGABYTES / statistics.median(own)),
         'CopyFileA ' + spread(system, 1000, 'ms') + ' (%.0f MB/s)' % (COPY_MEGABYTES / statistics.median(system)),
         '>= 0.9 x CopyFileA', '%.2f x' % copy_ratio, copy_ratio >= 0.9),
        ('peak working set', both('peak', 'launcher', 'launcher -q', 1.0 / MB, 'MB'),
         'floor ' + both('peak', 'floor', 'floor, one window', 1.0 / MB, 'MB'),
         '<= floor with one window + 1 MB', '+%.2f MB' % (extra_memory / MB), extra_memory <= 1 * MB),
        ('launcher.exe', size_text(PRODUCT_LAUNCHER), 'floor ' + size_text(PRODUCT_FLOOR),
         '<= 160 KB, system DLLs only',
         '%.1f KB%s' % (size / KB, '; not system: ' + ', '.join(foreign) if foreign else ''),
         size <= 160 * KB and not foreign),
    ]


def report(rows, info, repetitions, seconds):
    lines = ['Measured %s on %d CPUs (%s), %s memory, %s; %d repetitions; the benchmark took %.0f s.'
             % (info['date'], info['cpus'], info['cpu'], info['memory'], info['wine'], repetitions, seconds), '',
             '| Measure | Launcher | Baseline | Goal | Result | Met |', '|---|---|---|---|---|---|']
    for measure_name, figure, baseline, goal, result, met in rows:
        lines.append('| %s | %s | %s | %s | %s | %s |' % (measure_name, figure, baseline, goal, result,
                                                        'yes' if met else 'no'))
    return '\n'.join(lines) + '\n'


def write_doc(path, text):
    block = BEGIN + '\n' + text + END + '\n'
    old = open(path).read() if os.path.exists(path) else '# Benchmarks\n\n'
    if BEGIN in old and END in old:
        new = old[:old.index(BEGIN)] + block + old[old.index(END) + len(END) + 1:]
    else:
        new = old.rstrip('\n') + '\n\n' + block
    with open(path, 'w') as f:
        f.write(new)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--quick', action='store_true', help='one repetition of each; writes no document')
    parser.add_argument('--repetitions', type=int, default=7)
    parser.add_argument('--output', help='the document to write (default docs/benchmarks.md, none with --quick)')
    args = parser.parse_args()
    repetitions = 1 if args.quick else args.repetitions
    output = args.output or (None if args.quick else DOC)

    began = time.monotonic()
    runs, own, system = measure(repetitions)
    info = dict(machine(), date=datetime.datetime.now().strftime('%Y-%m-%d %H:%M'))
    rows = figures(runs, own, system)
    text = report(rows, info, repetitions, time.monotonic() - began)
    print(text)
    if output:
        write_doc(output, text)
        print('written to ' + output)
    return 0


if __name__ == '__main__':
    sys.exit(main())

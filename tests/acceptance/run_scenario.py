#!/usr/bin/env python3
"""Plays one acceptance scenario (format: README.md beside this file): builds a complete installation
in a hermetic Wine bed, runs launcher.exe on it and checks what the user and the author see."""
import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'process'))
from winebed import BUILD_DIR, TOOLS_DIR, WineBed  # noqa: E402

JAVA_DIR = os.path.join(BUILD_DIR, 'java')
STAMP = re.compile(r'^[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123]\d \d\d:\d\d:\d\d \d{4} ', re.M)
TOKENS = (('<CR>', '\r'), ('<LF>', '\n'), ('<TAB>', '\t'), ('<SP>', ' '))
ABSENT = '<absent>'
TYPED_NAME = re.compile(r'^(.*?)\s*(?:\((REG_\w+)\))?$')
HEADER = re.compile(r'^\[\s*(expect\s+\S+|\S+)\s*(.*?)\s*\]$')
ANY = None  # the keys are names of the author's choosing
KEYS = {'scenario': {'about', 'install dir', 'known fault'}, 'file': {'from'}, 'registry': ANY,
        'jvm': {'reports', 'product', 'version key', 'micro', 'programs', 'double'},
        'environment': ANY, 'run': {'command line'}, 'expect': {'status dialog'},
        'expect box': {'caption', 'text', 'text starts', 'icon', 'system modal'},
        'expect files': {'present', 'absent'}, 'expect file': {'match', 'without', 'line ends'},
        'expect registry': ANY, 'expect record': ANY, 'expect wizard': ANY, 'expect cleanup': ANY}
RECORDS = {'expect wizard': r'{install}\wizard-run.txt', 'expect cleanup': r'{install}\cleanup-run.txt'}


class Section:
    def __init__(self, kind, arg, line):
        self.kind, self.arg, self.pairs, self.body = kind, arg, [], []
        self.name = '[%s%s] (line %d)' % (kind, ' ' + arg if arg else '', line)

    def get(self, key, default=None):
        return (self.all(key) or [default])[-1]

    def all(self, key):
        return [value for name, value in self.pairs if name == key]


def parse(path):
    sections = []
    with open(path, encoding='latin-1') as f:
        for number, line in enumerate(f.read().splitlines(), 1):
            stripped = line.strip()
            if not stripped or stripped.startswith('#'):
                continue
            header = HEADER.match(stripped)
            kind = header and re.sub(r'\s+', ' ', header.group(1))
            if kind in KEYS and not (kind.startswith('expect') and 'run' not in [s.kind for s in sections]):
                sections.append(Section(kind, header.group(2), number))
            elif header or not sections:
                raise ValueError('line %d: unknown section, expectation before any [run], or text '
                                 'outside a section: %s' % (number, line))
            elif stripped.startswith('|'):
                sections[-1].body.append(re.sub(r'^\s*\| ?', '', line))
            else:
                key, equals, value = (part.strip() for part in stripped.partition('='))
                allowed = KEYS[sections[-1].kind]
                if not equals or (allowed is not ANY and key not in allowed):
                    raise ValueError('line %d: unexpected line in %s: %s' % (number, sections[-1].name, line))
                sections[-1].pairs.append((key, value))
    return sections


class Scenario:
    def __init__(self, sections):
        self.sections, self.failures, self.run, self.boxes_checked = sections, [], None, 0
        self.meta = sections[0] if sections and sections[0].kind == 'scenario' else Section('scenario', '', 0)

    def fail(self, section, message):
        self.failures.append('%s %s' % (section.name, message))

    def check(self, section, what, want, got):
        if want != got:
            self.fail(section, '%s: expected %r, got %r' % (what, want, got))

    def text(self, value):
        for token, char in TOKENS:
            value = value.replace(token, char)
        value = re.sub(r'<x([0-9A-Fa-f]{2})>', lambda byte: chr(int(byte.group(1), 16)), value)
        for name, path in (('{install', self.bed.install_dir), ('{start', self.start)):
            path = self.bed.windows_path(path)
            value = value.replace(name + '}', path).replace(name + '/}', path.replace('\\', '/'))
        return value

    def local(self, path):
        """The host path of a Windows path; a relative one lies in the installation."""
        path = self.text(path).replace('/', '\\')
        drive = re.match(r'^([A-Za-z]):\\?(.*)$', path)
        base, rest = (self.bed.install_dir, path) if not drive else (
            {'c': self.bed.drive_c(), 'z': '/'}[drive.group(1).lower()], drive.group(2))
        for part in filter(None, rest.split('\\')):
            if not os.path.exists(os.path.join(base, part)) and os.path.isdir(base):
                # Windows paths ignore letter case.
                part = next((n for n in os.listdir(base) if n.lower() == part.lower()), part)
            base = os.path.join(base, part)
        return base

    def play(self):
        with WineBed(install_name=self.meta.get('install dir', 'install dir')) as self.bed:
            self.start = os.path.join(self.bed.root, 'start dir')
            os.makedirs(self.start)
            for section in self.sections:
                if section.kind in RECORDS:
                    self.do_expect_record(section, RECORDS[section.kind])
                elif section.kind != 'scenario':  # read before the bed was made
                    getattr(self, 'do_' + section.kind.replace(' ', '_'))(section)
            self.count_boxes()
            # What the launcher wrote helps whoever reads a failure.
            for name in [n for n in ('errors.log', 'jinstall.log') if self.failures and self.bed.exists(n)]:
                print('--- %s:\n%s' % (name, self.bed.read(name).decode('latin-1')))
        return self.failures

    def do_file(self, section):
        target = self.local(section.arg)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        source = section.get('from')  # a test double, or TestJvm.class
        if source:
            shutil.copy(os.path.join(TOOLS_DIR if source.endswith('.exe') else JAVA_DIR, source), target)
        else:
            with open(target, 'wb') as f:
                f.write(''.join(self.text(line) + '\r\n' for line in section.body).encode('latin-1'))

    def do_jvm(self, section):
        """The JVM double in its home, registered the way a JVM's own setup does."""
        home, reports = self.text(section.arg), section.get('reports')
        directory = self.local(home + '\\bin')
        os.makedirs(directory, exist_ok=True)
        for name in section.get('programs', 'javaw.exe').split():
            shutil.copy(os.path.join(TOOLS_DIR, 'jvm_double.exe'), os.path.join(directory, name))
        lines = (['version=' + reports] if reports else []) + section.all('double')
        with open(os.path.join(directory, 'jvm-double.txt'), 'w') as f:
            f.write(''.join(line + '\n' for line in lines))
        product, subkey = section.get('product'), section.get('version key', reports)
        if product:
            key = r'HKLM\SOFTWARE\JavaSoft\%s\%s' % (product, subkey)
            self.bed.reg_add(key, 'JavaHome', home)
            if section.get('micro'):
                self.bed.reg_add(key, 'MicroVersion', section.get('micro'))

    def do_registry(self, section):
        for name, value in section.pairs:
            name, kind = TYPED_NAME.match(name).groups()
            self.bed.reg_add(self.text(section.arg), None if name == '@' else name, self.text(value),
                             kind or 'REG_SZ')

    def do_environment(self, section):
        self.bed.launch_env.update((name, self.text(value)) for name, value in section.pairs)

    def do_run(self, section):
        self.count_boxes()
        self.run = self.bed.run(self.text(section.get('command line', '')))
        self.boxes_checked = 0

    def count_boxes(self):
        """Every box the user saw must be expected: no [expect box] means no box."""
        if self.run and len(self.run.boxes) > self.boxes_checked:
            unexpected = [box[2].decode('latin-1') for box in self.run.boxes[self.boxes_checked:]]
            self.failures.append('boxes shown but not expected: %r' % unexpected)

    def do_expect(self, section):
        if section.get('status dialog'):
            self.check(section, 'status dialog', section.get('status dialog'),
                       'shown' if self.run.status else 'none')

    def do_expect_box(self, section):
        number, self.boxes_checked = self.boxes_checked, self.boxes_checked + 1
        if number >= len(self.run.boxes):
            return self.fail(section, 'box %d expected, %d shown' % (number + 1, len(self.run.boxes)))
        caption, text, _, exstyle, icon = [field.decode('latin-1') for field in self.run.boxes[number][1:]]
        seen = {'caption': caption, 'text': text, 'icon': icon,
                'system modal': 'yes' if int(exstyle, 16) & 0x8 else 'no'}  # topmost
        for key, want in section.pairs:
            want = self.text(want)
            self.check(section, key, want, text[:len(want)] if key == 'text starts' else seen[key])

    def do_expect_files(self, section):
        for key, path in section.pairs:
            if os.path.exists(self.local(path)) != (key == 'present'):
                self.fail(section, '%s should be %s' % (self.text(path), key))

    def do_expect_file(self, section):
        path = self.local(section.arg)
        if not os.path.isfile(path):
            return self.fail(section, 'the file is missing')
        with open(path, 'rb') as f:
            content = STAMP.sub('', f.read().decode('latin-1'))
        end = {'crlf': '\r\n', 'lf': '\n'}[section.get('line ends', 'crlf')]
        lines = content.split(end)[:-1] if content.endswith(end) else content.split(end)
        want = [self.text(line) for line in section.body]
        if section.get('match', 'in order') == 'whole':
            self.check(section, 'whole content', ''.join(line + end for line in want), content)
        else:
            rest = iter(lines)  # each wanted line is looked for after the one found before
            missing = [line for line in want if line not in rest]
            if missing:
                self.fail(section, 'line %r not found in this order in:\n    %s'
                          % (missing[0], '\n    '.join(map(repr, lines))))
        for text in map(self.text, section.all('without')):
            if any(text in line for line in lines):
                self.fail(section, 'a line holds %r' % text)

    def do_expect_registry(self, section):
        out = self.bed.wine('reg', 'query', self.text(section.arg)).stdout.decode('latin-1')
        rows = [line[4:].split('    ', 2) + [''] for line in out.splitlines() if line.startswith('    ')]
        values = {row[0].lower(): (row[1], row[2]) for row in rows if len(row) >= 3}
        for name, want in section.pairs:
            name, kind = TYPED_NAME.match(name).groups()
            kind_seen, data = values.get('(default)' if name == '@' else name.lower(), (None, ABSENT))
            self.check(section, name, self.text(want), data)
            if kind and data != ABSENT:
                self.check(section, name + ' type', kind, kind_seen)

    def do_expect_record(self, section, path=None):
        """A double's record: key=value lines; the wizard's ends with the native.properties it found."""
        path, want = self.local(path or section.arg), section.get('ran', 'yes')
        # The clean-up program is not waited for: give it time to show up, or not.
        ran = self.bed.wait_for(lambda: os.path.exists(path), timeout=20 if want == 'yes' else 0.5)
        if want == 'no' or not ran:
            return self.check(section, 'ran', want, 'yes' if ran else 'no')
        with open(path, 'rb') as f:
            head, _, found = f.read().decode('latin-1').partition('native.properties:')
        record = dict(line.partition('=')[::2] for line in head.splitlines() if line)
        properties = None if not found or found.strip() == '(absent)' else found[1:].split('\r\n')[:-1]
        record.update(ran='yes', **{'native.properties': 'present' if properties is not None else ABSENT})
        for key, want in section.pairs:
            self.check(section, key, self.text(want), record.get(key, ABSENT))
        if section.body:
            self.check(section, 'native.properties', [self.text(l) for l in section.body], properties)


def main(path):
    started, scenario = time.monotonic(), Scenario(parse(path))
    failures, fault = scenario.play(), scenario.meta.get('known fault')
    print('%s: %.1f s' % (os.path.basename(path), time.monotonic() - started))
    print(''.join('FAILED %s\n' % failure for failure in failures), end='')
    if fault:
        print(('expected failure, a known fault: ' + fault) if failures else
              'passes although marked as a known fault; remove the mark')
    return int(bool(failures) != bool(fault))


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))

"""What the build leaves: a launcher that runs from a bare directory on any Windows, tells
Windows what it is, and can be rebuilt byte for byte and signed."""
import filecmp
import os
import re
import shutil
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
import xml.parsers.expat

from winebed import LAUNCHER as RUNNING_LAUNCHER, PRODUCT_LAUNCHER as LAUNCHER, SOURCE_DIR, VERSION, WineBed

# Every function the launcher may import, by DLL: each is implemented by Windows 95, 98, Me
# and NT 4.0 alike. Wine implements everything, so only this list can tell. Sources: the Win32
# API reference of the time, whose requirements name Windows 95 and Windows NT 3.1 or 3.5
# for each of these, and its page "Windows 95 General Limitations" (MSDN Library, 1998):
# apart from a few text and message-box functions, 95 has the wide-character (W) functions
# only as stubs that fail; the two conversions between the code pages and wide characters are
# among the few it implements (the wide functions the launcher uses on NT are looked up at
# run time and count as "no answer" where they fail). For msvcrt.dll: the functions of its
# first release (Visual C++ 4.2), which is also the copy Windows NT 4.0 carries, as mingw-w64
# lists them in
# mingw-w64-crt/lib-common/msvcrt.def.in. SHELL32 is missing on purpose: it is loaded only
# when an applet is launched, since imported it would load the COM libraries into every run.
WINDOWS_95_AND_NT4 = {
    'KERNEL32.dll': '''CloseHandle CreateMutexA FreeLibrary GetCommandLineA GetCurrentProcess
        GetFileAttributesA GetFullPathNameA GetLastError GetModuleFileNameA GetModuleHandleA GetProcAddress
        GetShortPathNameA GetStartupInfoA GetSystemDirectoryA GetVersion IsDBCSLeadByte LoadLibraryA MulDiv
        MultiByteToWideChar SetLastError TerminateProcess WaitForSingleObject WideCharToMultiByte''',
    'USER32.dll': '''CreateDialogParamA CreateWindowExA DefWindowProcA DestroyWindow DispatchMessageA
        FindWindowExA GetDC GetDlgItem GetMessageA GetParent GetPropA GetSystemMetrics GetWindowRect
        IsDialogMessageA IsWindow IsWindowVisible KillTimer LoadCursorA LoadIconA MessageBoxA
        PostMessageA PostQuitMessage RegisterClassA ReleaseDC RemovePropA SetDlgItemTextA SetFocus
        SetForegroundWindow SetPropA SetTimer SetWindowPos ShowWindow TranslateMessage''',
    'GDI32.dll': 'CreateFontIndirectA DeleteObject GetDeviceCaps GetStockObject SelectObject',
    'ADVAPI32.dll': 'RegCloseKey RegCreateKeyExA RegEnumKeyExA RegOpenKeyExA RegQueryValueExA RegSetValueExA',
    'msvcrt.dll': '''__p__acmdln __set_app_type _access _beginthread _chdir _cwait _endthread _errno
        _filelengthi64 _fileno _findclose _findfirst _findnext _fullpath _getcwd _iob _mkdir _onexit
        _putenv _rmdir _spawnv _stat _stricmp _vsnprintf abort exit fclose feof ferror fflush fgetc
        fgetpos fgets fopen fputs fread free fseek fsetpos ftell fwrite getenv localtime malloc
        memchr memcmp memmove realloc remove rename setlocale setvbuf strchr strlen time vfprintf
        wcslen''',
}

# What the i486 lacks, among what compilers emit: the Pentium Pro's conditional moves and
# compares that set the flags (cmov*, fcmov*, fcomi, fucomi and their popping forms) and its
# long no-operations, the Pentium's time-stamp, performance counter and 8-byte compare and
# exchange, the fast system calls, and every instruction that names an MMX or SSE register
# or fences, prefetches or saves them. Source: the Intel 64 and IA-32 Architectures Software
# Developer's Manual, volume 2 (each instruction's introduction), and its appendix on the
# processors' differences; cpuid stays allowed, as later 486s have it and callers test for it.
NOT_ON_A_486 = re.compile(r'\t(cmov\w*|fcmov\w*|f[u]?comip?|nop[lw]|rdtsc|rdpmc|cmpxchg8b|sysenter|sysexit'
                          r'|[lsm]fence|prefetch\w*|fxsave|fxrstor|ldmxcsr|stmxcsr|emms)\b'
                          r'|%x?mm\d')


RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 5, 14, 16, 24
ASM_V1, ASM_V3 = 'urn:schemas-microsoft-com:asm.v1', 'urn:schemas-microsoft-com:asm.v3'
NAMESPACES = {'v1': ASM_V1, 'v3': ASM_V3, 'compat': 'urn:schemas-microsoft-com:compatibility.v1',
              'settings': 'http://schemas.microsoft.com/SMI/2005/WindowsSettings'}
# Vista, 7, 8, 8.1, 10 and 11 (one GUID), from Microsoft's "Application manifests".
SUPPORTED_OS = {'{e2011457-1546-43c5-a5fe-008deee3d3f0}', '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}',
                '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}', '{1f676c76-80e1-4239-95bb-83d0f6d0da78}',
                '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'}
# WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, and DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)
DIALOG_STYLE = 0x80000000 | 0x00C00000 | 0x00080000 | 0x80 | 0x48


def resources(path):
    """{(type, name): [data of each language]}: the resource directory of the PE file, as
    windres writes it out (types and names are numbers or texts)."""
    with tempfile.NamedTemporaryFile(suffix='.res') as res:
        subprocess.run(['i686-w64-mingw32-windres', '-i', path, '-O', 'res', '-o', res.name], check=True)
        data, found, at = res.read(), {}, 0
    while at < len(data):
        size, header = struct.unpack_from('<II', data, at)
        kind, name_at = text_or_number(data, at + 8)
        name = text_or_number(data, name_at)[0]
        found.setdefault((kind, name), []).append(data[at + header:at + header + size])
        at = (at + header + size + 3) & ~3
    return found


def text_or_number(data, at):
    """A zero-terminated UTF-16 text, or 0xFFFF and a number; and where the next field begins."""
    if data[at:at + 2] == b'\xff\xff':
        return struct.unpack_from('<H', data, at + 2)[0], at + 4
    end = at
    while data[end:end + 2] != b'\0\0':
        end += 2
    return data[at:end].decode('utf-16-le'), end + 2


def version_node(data, at=0):
    """One node of a version resource: (key, value, children, end)."""
    length, value_length, is_text = struct.unpack_from('<3H', data, at)
    key, value_at = text_or_number(data, at + 6)
    value_at = (value_at + 3) & ~3
    value = data[value_at:value_at + value_length * (2 if is_text else 1)]
    children, child = [], (value_at + len(value) + 3) & ~3
    while child < at + length:
        children.append(version_node(data, child))
        child = (children[-1][3] + 3) & ~3
    return key, value, children, at + length


def dialog_template(data):
    """An extended dialog template's header fields, caption and font."""
    version, signature, _, ex_style, style, count, x, y, cx, cy = struct.unpack_from('<2H3IH4h', data)
    menu, at = text_or_number(data, 26)
    window_class, at = text_or_number(data, at)
    caption, at = text_or_number(data, at)
    return ((version, signature, ex_style, style, count, (x, y, cx, cy), menu, window_class, caption),
            (struct.unpack_from('<H', data, at)[0], text_or_number(data, at + 6)[0]))


def objdump(*options):
    return subprocess.run(['i686-w64-mingw32-objdump', *options, LAUNCHER], check=True, capture_output=True,
                          text=True).stdout


def imported_functions(headers):
    """{DLL name: set of function names} from launcher.exe's import table."""
    imports, functions = {}, None
    for line in headers.splitlines():
        named = re.match(r'\tDLL Name: (\S+)', line)
        if named:
            functions = imports.setdefault(named.group(1), set())
        elif functions is not None and re.match(r'\t[0-9a-f]+\t\s*\d+\s+\S+$', line):
            functions.add(line.split()[-1])
    return imports


class Build(unittest.TestCase):
    def test_launcher_is_a_gui_program_importing_only_what_windows_95_to_me_and_nt4_implement(self):
        headers = objdump('-p')
        self.assertIn('Subsystem\t\t00000002', headers)  # GUI, no console window
        imports = imported_functions(headers)
        self.assertTrue(imports, 'no import table found')
        unchecked = {'%s %s' % (dll, name) for dll, names in imports.items() for name in names
                     if name not in WINDOWS_95_AND_NT4.get(dll, '').split()}
        self.assertEqual(unchecked, set(), 'check these against 95/98/Me and NT 4.0, then list them')

    def test_launcher_runs_on_an_i486(self):
        # Wine runs on today's processors and never faults on these: only the code can tell.
        code = objdump('-d', '--no-show-raw-insn')
        found = [line.strip() for line in code.splitlines() if NOT_ON_A_486.search(line)]
        self.assertGreater(code.count('\n'), 10000, 'no code disassembled')
        self.assertEqual(found[:20], [], '%d instructions that a 486 or Pentium lacks' % len(found))

    def test_launcher_needs_no_pseudo_relocations(self):
        # The launcher has its own entry, and nothing would apply them.
        with open(os.path.join(os.path.dirname(LAUNCHER), 'launcher.map')) as link_map:
            sizes = re.findall(r'^\s+(0x[0-9a-f]+)\s+__rt_psrelocs_size = ', link_map.read(), re.M)
        self.assertEqual(sizes, ['0x00000000'])

    def test_the_manifest_is_the_only_one_parses_and_keeps_windows_xp_and_vista_to_11_apart(self):
        found = resources(LAUNCHER)
        manifests = [(name, len(data)) for (kind, name), data in found.items() if kind == RT_MANIFEST]
        self.assertEqual(manifests, [(1, 1)], 'one manifest, id 1, in one language: none of the toolchain')
        text = found[(RT_MANIFEST, 1)][0]
        declared = []  # the namespaces each element declares: twice in one stops XP SP2
        parser = xml.parsers.expat.ParserCreate()
        parser.StartElementHandler = lambda name, attributes: declared.append(
            [value for key, value in attributes.items() if key == 'xmlns' or key.startswith('xmlns:')])
        parser.Parse(text, True)
        self.assertEqual([uris for uris in declared if len(set(uris)) < len(uris)], [])
        root = ElementTree.fromstring(text)
        self.assertEqual([root.tag, root.get('manifestVersion')], ['{%s}assembly' % ASM_V1, '1.0'])
        # XP refuses what it does not know in its own namespace: only the root is there, so
        # there is no dependency either (Common Controls 6 would bring an import).
        self.assertEqual([e.tag for e in root.iter() if e.tag.startswith('{%s}' % ASM_V1)], [root.tag])
        level = root.find('v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel', NAMESPACES)
        self.assertEqual(level.attrib, {'level': 'asInvoker', 'uiAccess': 'false'})
        supported = root.findall('compat:compatibility/compat:application/compat:supportedOS', NAMESPACES)
        self.assertEqual({entry.get('Id') for entry in supported}, SUPPORTED_OS)
        self.assertEqual(root.find('v3:application/v3:windowsSettings/settings:dpiAware', NAMESPACES).text, 'true')

    def test_the_version_resource_names_the_build_in_every_field(self):
        [data] = resources(LAUNCHER)[(RT_VERSION, 1)]
        _, fixed, children, _ = version_node(data)
        signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from('<6I', fixed)
        numbers = '%d.%d.%d.%d' % (file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF)
        [table] = [node[2][0] for node in children if node[0] == 'StringFileInfo']
        strings = {key: value.decode('utf-16-le').rstrip('\0') for key, value, _, _ in table[2]}
        self.assertEqual([signature, numbers, (product_ms, product_ls)], [0xFEEF04BD, VERSION, (file_ms, file_ls)])
        self.assertEqual([strings.pop(key) for key in ('FileVersion', 'ProductVersion', 'OriginalFilename')],
                         [VERSION, VERSION, 'launcher.exe'])
        self.assertEqual(sorted(key for key, value in strings.items() if value.strip()),
                         ['CompanyName', 'FileDescription', 'InternalName', 'LegalCopyright', 'ProductName'])

    def test_the_status_dialog_takes_the_shell_font_and_the_icon_has_a_frame_for_each_scale(self):
        found = resources(LAUNCHER)
        header, font = dialog_template(found[(RT_DIALOG, 'STATUSDIALOG')][0])
        self.assertEqual(header, (1, 0xFFFF, 0, DIALOG_STYLE, 2, (0, 0, 210, 60), '', '', 'Installer'))
        self.assertEqual(font, (8, 'MS Shell Dlg'))
        [group] = found[(RT_GROUP_ICON, 'IDI_ICON1')]
        frames = [struct.unpack_from('<4B2HIH', group, at) for at in range(6, len(group), 14)]
        # Each frame as its own icon resource says; 32 x 32 in 16 colours is what 95 and NT 4.0 take.
        self.assertEqual([struct.unpack_from('<I2i2H', found[(RT_ICON, frame[-1])][0]) for frame in frames],
                         [(40, frame[0], 2 * frame[1], 1, frame[5]) for frame in frames])
        self.assertEqual({frame[:2] for frame in frames}, {(16, 16), (32, 32), (48, 48)})
        self.assertIn((32, 32, 16, 0, 1, 4), [frame[:6] for frame in frames])


class Publishing(unittest.TestCase):
    # As an author checks the launcher received: the sources in another place, a build folder of
    # their own, and the bytes compared with the shipped build's.
    def test_a_build_elsewhere_of_the_same_sources_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory(dir=os.environ.get('LAUNCHER_BED_ROOT')) as folder:
            source = os.path.join(folder, 'sources')
            shutil.copytree(SOURCE_DIR, source, ignore=lambda where, names: [
                name for name in names if where == SOURCE_DIR and (name.startswith('build') or name == '.git')])
            checked = subprocess.run(['bash', os.path.join(source, 'scripts', 'check-build.sh'), LAUNCHER],
                                     capture_output=True, text=True, env=dict(os.environ, TMPDIR=folder))
            self.assertEqual((checked.returncode, checked.stdout), (0, 'same\n'), checked.stderr)

    # The guide's dual signature (SHA-1 for XP SP2 and 2000, SHA-256 nested in it), with a
    # throw-away certificate made for this run: it verifies against that certificate, comes off
    # again to the built bytes (how an author compares a signed copy), and the signed launcher runs.
    def test_a_signed_launcher_verifies_and_runs_the_main_road(self):
        with WineBed() as bed:
            key, certificate, sha1, signed, unsigned = (os.path.join(bed.root, name) for name in (
                'key.pem', 'certificate.pem', 'sha1.exe', 'signed.exe', 'unsigned.exe'))
            subprocess.run(['openssl', 'req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-days', '2', '-subj',
                            '/CN=Throw-away test signer', '-addext', 'extendedKeyUsage=codeSigning',
                            '-keyout', key, '-out', certificate], check=True, capture_output=True)
            signer, said = ['-certs', certificate, '-key', key], []
            for command in (['sign', '-h', 'sha1', '-in', RUNNING_LAUNCHER, '-out', sha1] + signer,
                            ['sign', '-nest', '-h', 'sha256', '-in', sha1, '-out', signed] + signer,
                            ['verify', '-CAfile', certificate, '-in', signed],
                            ['remove-signature', '-in', signed, '-out', unsigned]):
                done = subprocess.run(['osslsigncode'] + command, capture_output=True, text=True)
                said.append(done.stdout)
                self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
            self.assertIn('Number of verified signatures: 2', said[2])
            self.assertTrue(filecmp.cmp(unsigned, RUNNING_LAUNCHER, shallow=False))
            bed.found_jvm('exitCodeReport=true\n', trace=False)
            run = bed.run('', program=signed)
            self.assertEqual([run.texts, run.exit_code, bed.exists('wizard-run.txt')], [[], 0, True])

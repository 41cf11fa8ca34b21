"""What the build leaves: a launcher that runs from a bare directory on any Windows."""
import os
import re
import subprocess
import unittest

from winebed import PRODUCT_LAUNCHER as LAUNCHER

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
        GetShortPathNameA GetStartupInfoA GetSystemDirectoryA GetVersion LoadLibraryA MulDiv
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

# Imported although Windows 95, 98 and Me have them only as stubs: the code falls back at
# run time, and the functions of the fallback must be imported too. The launcher's own
# such functions (MoveFileExA among them) are looked up at run time instead.
FALLBACKS = {
    # Returns no module: the mingw-w64 runtime, which asks it for msvcrt.dll to find
    # _vscprintf, then measures a formatted text with its own loop over _vsnprintf.
    'GetModuleHandleW': {'_vsnprintf'},
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


def objdump_headers():
    return subprocess.run(['i686-w64-mingw32-objdump', '-p', LAUNCHER], check=True,
                          capture_output=True, text=True).stdout


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
        headers = objdump_headers()
        self.assertIn('Subsystem\t\t00000002', headers)  # GUI, no console window
        imports = imported_functions(headers)
        self.assertTrue(imports, 'no import table found')
        unchecked = {'%s %s' % (dll, name) for dll, names in imports.items() for name in names
                     if name not in WINDOWS_95_AND_NT4.get(dll, '').split() and name not in FALLBACKS}
        self.assertEqual(unchecked, set(), 'check these against 95/98/Me and NT 4.0, then list them')
        imported = set().union(*imports.values())
        for name, fallback in FALLBACKS.items():
            if name in imported:
                self.assertEqual(fallback - imported, set(), name + ' is imported without its fallback')

    def test_launcher_runs_on_an_i486(self):
        # Wine runs on today's processors and never faults on these: only the code can tell.
        code = subprocess.run(['i686-w64-mingw32-objdump', '-d', '--no-show-raw-insn', LAUNCHER],
                              check=True, capture_output=True, text=True).stdout
        found = [line.strip() for line in code.splitlines() if NOT_ON_A_486.search(line)]
        self.assertGreater(code.count('\n'), 10000, 'no code disassembled')
        self.assertEqual(found[:20], [], '%d instructions that a 486 or Pentium lacks' % len(found))

    def test_launcher_needs_no_pseudo_relocations(self):
        # The launcher has its own entry, and nothing would apply them.
        with open(os.path.join(os.path.dirname(LAUNCHER), 'launcher.map')) as link_map:
            sizes = re.findall(r'^\s+(0x[0-9a-f]+)\s+__rt_psrelocs_size = ', link_map.read(), re.M)
        self.assertEqual(sizes, ['0x00000000'])


if __name__ == '__main__':
    unittest.main()

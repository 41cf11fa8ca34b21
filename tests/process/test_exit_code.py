"""The exit code for unattended installations (exitCodeReport in kiv.control): one row
for each way a run ends, through the real launcher and the doubles, started as a
deployment tool does, with -s; then the boxes, which such a run never shows."""
import os
import unittest

from winebed import DISK_HINT, NO_JRE_BOX, WineBed

REPORT = 'exitCodeReport=Yes\n'
STATION = 'Service-0x0-3e7$'  # a service's window station, which nobody sees
LEGACY = 1  # without the key: the timer's identifier, the last message the waits took


def wizard(config='', control=REPORT):
    return lambda bed: bed.found_jvm(control, config='version=1.3.1\n' + config)


def copy_cannot_be_made(bed):
    bed.write('kiv.control', REPORT)
    os.mkdir(bed.path('__kiv.control'))  # where the repaired copy would go


def plug_in(page=True, control=''):
    def setup(bed):
        bed.applet(REPORT + control + 'jvmCommandName=javaw.exe\nappletUrl=http://example.invalid/start.html\n',
                   trace=True)
        if not page:
            os.remove(bed.path('start.html'))
    return setup


class ExitCode(unittest.TestCase):
    def check(self, rows):
        for name, setup, code in rows:
            with self.subTest(name), WineBed() as bed:
                setup(bed)
                run = bed.run('-s C:\\target')
                self.assertEqual(run.exit_code, code)
                if code != LEGACY:
                    self.assertEqual(run.texts, [])  # unattended with the key: no box at all
                codes = [l.split()[2].rstrip(b':') for l in bed.log('jinstall.log') if l.startswith(b'exit code ')]
                self.assertEqual(codes, [] if code == LEGACY else [b'%d' % code])

    def test_the_wizard_decides_once_it_has_proved_its_start(self):
        self.check([
            ('ended with 0', wizard(), 0),
            ('its own code', wizard('exitCode=1602\n'), 1602),
            ('no proof of start, no carried JVM for a second attempt', wizard('wizard=no\n'), 1067),
            ('without the key', wizard('exitCode=1602\n', control=''), LEGACY),
        ])

    def test_each_failure_before_the_wizard_has_its_own_code(self):
        self.check([
            ('control file cannot be repaired', copy_cannot_be_made, 1619),
            ('control file gone, its repaired copy left', lambda bed: bed.write('__kiv.control', REPORT), 1619),
            ('no JVM and none carried', lambda bed: bed.installation(REPORT), 1633),
            ('carried JVM refused', lambda bed: bed.carry_jvm(REPORT, version='1.2.2'), 1603),  # not the one promised
            ('the key says no', lambda bed: bed.installation('exitCodeReport=no\n'), LEGACY),
        ])

    def test_plug_in_mode(self):
        self.check([
            ('browser shown and closed', plug_in(), 0),
            ('security files fail', plug_in(control='keystoreFilename=${user.home}/identitydb.obj\n'), 82),
            ('no browser for the page, no carried JVM', plug_in(page=False), 1155),
        ])


class UnattendedBoxes(unittest.TestCase):
    NO_JVM = REPORT + 'jvmName=JRE\njvmVersion=1.4.2\n'

    def test_a_run_nobody_can_answer_shows_no_box_ends_by_itself_and_logs_the_texts(self):
        """Silent with the key, or on a window station nobody sees (a service's) whatever
        the switches: each box's text goes to the trace instead, and the run ends by itself
        with the code it would have had once its boxes were closed."""
        no_jre = b'The correct version of the JRE was not found on your system.'
        unusable = [b'Unable to open kiv.control', b'Unable to install application.\r\r' + DISK_HINT]
        find = b'Unable to find JRE 1.4.2 on your system.'
        notice = b'Please exit your browser now to complete the configuration for this installation.'
        rows = [  # the station, if any; the boxes' texts; what errors.log holds
            (None, lambda bed: bed.installation(self.NO_JVM), '-s C:\\target', 1633, [no_jre],
             [no_jre, b'Please install JRE 1.4.2 and then restart this installation program.']),
            (None, lambda bed: bed.installation(self.NO_JVM + 'jvmSelfExtractor=jre.exe\n'), '-s C:\\target', 1603,
             [find], [find, b'Please install the JVM and re-start this installer.']),
            (STATION, lambda bed: bed.installation(self.NO_JVM), '-q C:\\target', 1633, [no_jre], [no_jre]),
            (STATION, lambda bed: None, '', LEGACY, unusable, unusable),  # no kiv.control: two boxes
            (STATION, plug_in(), '', 0, [notice], []),
        ]
        for station, setup, command_line, code, texts, errors in rows:
            with self.subTest(station=station, code=code), WineBed() as bed:
                setup(bed)
                bed.write('jinstall.log', b'')
                bed.start(command_line, watch=False, station=station)
                # Nobody closes a box here: a run that shows one never ends by itself.
                self.assertEqual(bed.finish(timeout=20).exit_code, code)
                trace = bed.log('jinstall.log')
                reason, why = (b'window station not visible', b'window station %s is not visible' % STATION.encode()) \
                    if station else (b'unattended run', b'unattended run (-s with exitCodeReport)')
                self.assertIn(why + b': no message box is shown', trace)
                self.assertEqual([line.partition(b'): ')[2] for line in trace
                                  if line.startswith(b'box not shown (%s)' % reason)], texts)
                self.assertEqual([text for text in errors if text in bed.log('errors.log')], errors)

    def test_a_quiet_run_or_one_without_the_key_still_shows_its_box(self):
        for name, control, command_line, code in [('-q', self.NO_JVM, '-q C:\\target', 1633),
                                                  ('-s without the key', 'jvmVersion=1.4.2\n', '-s C:\\target', LEGACY),
                                                  ('the key without a switch', self.NO_JVM, '', 1633)]:
            with self.subTest(name), WineBed() as bed:
                bed.installation(control)
                run = bed.run(command_line)
                self.assertEqual([run.texts, run.exit_code], [[NO_JRE_BOX], code])

"""The web edition in a real browser, opened from file:// as a copy alone in a fresh
folder: the whole job for every kind, the keyboard, the layout against the window's
description and on phones, zoomed and with large text, accessibility, the decimal
separator whatever language the browser reports, and no network request or console
error. Every engine (browser.py) runs the same cases.

page_test.py ENGINE REPORT_CASES PAGE LAYOUT SCREENSHOTS [unittest arguments]
The cases and their expected reports come from report_cases (the native library); the
rectangles, texts and tab indices from the layout the page generator wrote. The page is
photographed on a desktop and on a phone into the folder SCREENSHOTS.
"""
import base64
import decimal
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
import browser  # noqa: E402

ENGINE, REPORT_CASES, PAGE, LAYOUT, SCREENSHOTS = sys.argv[1:6]
with open(LAYOUT, encoding='utf-8') as layout_file:
    LAYOUT_DATA = json.load(layout_file)
CONTROLS = {control['id']: control for control in LAYOUT_DATA['controls']}
CASES = [json.loads(line) for line in subprocess.run(
    [REPORT_CASES], check=True, capture_output=True, text=True).stdout.splitlines()]
with open(os.path.join(os.path.dirname(__file__), '..', 'clipboard_cases.json'),
          encoding='utf-8') as clipboard_file:
    CLIPBOARD_CASES = json.load(clipboard_file)['cases']
MEDIANS = {c['separator']: c for c in CASES if c['kind'] == 2 and c['inputs'] == ['3', '4', '5']}

# Viewports in CSS pixels and the layout the page takes in them with the usual fonts:
# the window's, or the flowing one where the window does not fit.
SCREENS = [
    ('desktop', 1280, 800, 'window'),
    ('zoomed to 200%', 640, 400, 'window'),  # a 1280 x 800 window, zoomed
    ('just wide enough', 480, 800, 'window'),
    ('just too narrow', 479, 800, 'flowing'),
    ('phone', 360, 740, 'flowing'),
    ('zoomed to 400%', 320, 200, 'flowing'),
]
PHOTOGRAPHED = ('desktop', 'phone')

# What a browser may report as navigator.language and navigator.languages, and the
# decimal separator the report takes then.
LANGUAGES = [
    ('C', ['C'], '.'),  # WebKitGTK under a POSIX locale
    ('', [], '.'),
    ('en_US.UTF-8', ['en_US.UTF-8'], '.'),  # a locale's name, not a language tag
    ('C', ['C', 'bg'], ','),  # the next language the browser prefers
    ('bg-BG', ['bg-BG', 'en-US'], ','),
]
PRETENDED_LANGUAGE = '''
    Object.defineProperty(Navigator.prototype, 'language', {get: () => %s});
    Object.defineProperty(Navigator.prototype, 'languages', {get: () => Object.freeze(%s)});'''

# The shown controls and what a reader sees of them: the box of each in CSS pixels, its
# font size, whether its text is cut off; whether the page scrolls sideways; the result
# box's last line, whether text is left below the box, its scroll and its scroll bar.
LOOK = '''
    const form = document.querySelector('.Form');
    const box = (element) => {
        const rect = element.getBoundingClientRect();
        return [rect.left, rect.top, rect.width, rect.height];
    };
    const shown = [...form.querySelectorAll('[id]')].filter((e) => e.getClientRects().length);
    return {
        flowing: getComputedStyle(document.getElementById('Text2_0')).position === 'static',
        form: box(form),
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        viewport: [document.documentElement.clientWidth, innerHeight],
        controls: Object.fromEntries(shown.map((e) => [e.id, {
            box: box(e),
            font: parseFloat(getComputedStyle(e).fontSize),
            cut: e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight,
            parent: e.parentElement.closest('[id]').id,
        }])),
        radios: [...form.querySelectorAll('input[type=radio]')].map(box),
        result: ((r) => [r.textContent.trimEnd().split('\\n').pop().slice(0, 4),
                         r.scrollHeight - r.scrollTop - r.clientHeight > 1, r.scrollTop,
                         r.offsetWidth - r.clientWidth - 2 * r.clientLeft])(
            document.getElementById('Text1_0')),
    };'''


# The worked solution and the exact values, a row a chain, for a kind and three lengths: on
# a phone and on a desktop, and whether some row wraps on the phone. Long fractions of
# decimals, notes after formulas, refusals whose rows fit a phone, one with a long note
# beside wide left-hand sides.
NOTEBOOK_CASES = [(2, ['3', '4', '5'], True), (0, ['4', '5', '10'], True),
                  (1, ['9.45', '8.23', '1.3'], True), (0, ['2', '3', '4'], True),
                  (2, ['12.3456789', '23.4567891', '34.5678912'], True),
                  (0, ['1', '2', '3'], True), (2, ['1', '1', '3'], False)]
# Each cell of their grids, its left-hand side or its row of relations: how far its content
# overflows it, its overflow, its tab index, its room (the width inside its padding), whether
# any piece is broken across lines; each piece (a <math> that cannot break) with the
# operator it begins with, its box, the relation it belongs to (the whole left-hand side is
# one) and whether it begins that relation; each relation's width on one line (its box
# where it has one line, its pieces side by side where it wraps). Then the notes after a
# formula: the lines of the note's text and of the piece before it, and for a long one
# beside wide left-hand sides how far (em) its row begins right of them. How far each row's
# first line is off the baseline of its left-hand side. How far the whole overflows; the
# smallest number or letter that is no script.
ROWS = """
    const aside = document.getElementById('aside');
    const box = (r) => ({left: r.left, right: r.right, top: r.top, bottom: r.bottom, width: r.width});
    const cells = [...aside.querySelectorAll('.lhs, .row')].map((cell) => {
        const style = getComputedStyle(cell);
        const groups = cell.matches('.row') ? [...cell.children].filter((e) => e.matches('.group')) : [cell];
        const pieces = [...cell.querySelectorAll('math')].map((m) => {
            const group = groups.findIndex((g) => g.contains(m));
            return {op: m.querySelector('mo')?.textContent ?? null, ...box(m.getBoundingClientRect()), rel: group,
                    first: groups[group].querySelector('math') === m};
        });
        const relations = groups.map((g, i) => {
            const own = pieces.filter((p) => p.rel === i);
            const oneLine = own.every((p, k) => k === 0 || p.left >= own[k - 1].right - 1);
            const sum = own.reduce((total, p) => total + p.width, 0);
            return oneLine && g !== cell ? Math.max(sum, g.getBoundingClientRect().width) : sum;
        });
        return {over: cell.scrollWidth - cell.clientWidth, overflow: style.overflowX, tab: cell.tabIndex,
                room: cell.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight),
                split: [...cell.querySelectorAll('math')].some((m) => m.getClientRects().length > 1),
                pieces, relations};
    });
    // How far each row's first line is from the baseline of its left-hand side: an empty
    // inline box at the start of each sits on its line's baseline (kept on the line of
    // what follows it, in a left-hand side as wide as that).
    const probe = (cell) => {
        const mark = document.createElement('span');
        mark.style.display = 'inline-block';
        cell.style.whiteSpace = cell.matches('.lhs') ? 'nowrap' : '';
        (cell.querySelector('.group') || cell).prepend(mark);
        const bottom = mark.getBoundingClientRect().bottom;
        mark.remove();
        cell.style.whiteSpace = '';
        return bottom;
    };
    const baselines = [...aside.querySelectorAll('.lhs + .row')]
        .filter((row) => getComputedStyle(row).gridColumnStart !== '1') // not under it
        .map((row) => [row.previousElementSibling.textContent,
                       probe(row) - probe(row.previousElementSibling)]);
    const notes = [...aside.querySelectorAll('.row .note')].map((note) => {
        const row = note.parentElement;
        const maths = row.querySelectorAll('math');
        return [box(note.getClientRects()[0]), box(maths[maths.length - 1].getBoundingClientRect()),
                note.matches('.long') && (row.getBoundingClientRect().left -
                    row.parentElement.querySelector('.lhs').getBoundingClientRect().left) /
                    parseFloat(getComputedStyle(row).fontSize)];
    });
    const sizes = [...aside.querySelectorAll('mn, mi')]
        .filter((e) => !e.closest(':is(msub, msup, msubsup) > :not(:first-child)'))
        .map((e) => parseFloat(getComputedStyle(e).fontSize));
    return {cells, baselines, notes, over: aside.scrollWidth - aside.clientWidth, smallest: Math.min(...sizes),
            text: parseFloat(getComputedStyle(aside).fontSize)};"""


# What shows the keyboard focus on the control that has it (an option button for its
# radio): the control, its outline and the colours round it.
FOCUS_LOOK = '''
    const control = document.activeElement.closest('[id]');
    const style = getComputedStyle(control);
    return {
        id: control.id,
        outline: [style.outlineStyle, parseFloat(style.outlineWidth), style.outlineColor],
        backgrounds: [style.backgroundColor,
                      getComputedStyle(document.querySelector('.Form')).backgroundColor],
    };'''


# The teacher's part: its options set (the kind and the level by their option buttons, the
# rest by value), then "Създай задачите"; returns the list.
TEACHER_MAKE = '''
    document.getElementById('teacher').open = true;
    const {kind = 1, level = 2, ...values} = arguments[0];
    document.querySelector(`input[name="teacher-kind"][value="${kind}"]`).click();
    document.querySelector(`input[name="teacher-level"][value="${level}"]`).click();
    for (const [name, value] of Object.entries(values))
        document.getElementById(`teacher-${name}`).value = value;
    document.getElementById('teacher-generate').click();
    return document.getElementById('teacher-list').value;'''

# Requests made with the part's controls: the list's first line, which says how to make it
# again from the command line, and how many variants and tasks it has.
TEACHER_REQUESTS = [
    ({'count': '4', 'impossible': '1', 'variants': '1', 'seed': '2026'},
     '# bisectors --generate 4 --sides --impossible 1 --seed 2026', 0, 4),
    ({'kind': 2, 'level': 1, 'count': '3', 'impossible': '0', 'variants': '2', 'seed': '7'},
     '# bisectors --generate 3 --medians --level 1 --variants 2 --seed 7', 2, 6),
    ({'kind': 0, 'level': 3, 'count': '2', 'impossible': '1', 'variants': '4', 'seed': '9'},
     '# bisectors --generate 2 --heights --level 3 --impossible 1 --variants 4 --seed 9', 4, 8),
]


# What the status line says after each action of the teacher's part, in order on one page:
# an action (a request made, a button pressed, a file saved) and its message.
TEACHER_ACTIONS = [
    ({'count': '1', 'impossible': '0', 'variants': '1', 'seed': '5'},
     'Създадена е 1 задача, в списъка по-горе.'),
    ({'count': '3', 'impossible': '1', 'variants': '2', 'seed': '5'},
     'Създадени са 2 варианта с по 3 задачи, в списъка по-горе.'),
    ('sheet', 'Листът за учениците е готов, 6 задачи, по-долу: отпечатайте го или го запазете.'),
    ('sheet', 'Листът за учениците е готов, 6 задачи, по-долу: отпечатайте го или го запазете.'),
    ('download', 'Листът за учениците се запазва като „задачи.html“.'),
    ('key', 'Ключът с отговорите е готов, 6 задачи, по-долу: отпечатайте го или го запазете.'),
    ('download', 'Ключът с отговорите се запазва като „ключ.html“.'),
    ('docx', 'Ключът с отговорите се запазва като „ключ.docx“, документ за Word и Writer.'),
    ('sheet', 'Листът за учениците е готов, 6 задачи, по-долу: отпечатайте го или го запазете.'),
    ('docx', 'Листът за учениците се запазва като „задачи.docx“, документ за Word и Writer.'),
    ({'count': '5', 'impossible': '6', 'seed': '5'},
     'Задачите не могат да бъдат създадени: невъзможните задачи трябва да са от 0 до 5.'),
    ('empty', ''),
    ('key', 'Ключът с отговорите е готов, без задачи: списъкът е празен.'),
]
# Presses a button of the teacher's part, or its link to save the page (nothing is saved
# here: no link's click saves), and waits for a document being made; "empty" empties the
# list. Returns the status line's text, and whether the press changed it on the way (a
# live region speaks on a change).
TEACHER_PRESS = '''
    return (async (name) => {
        if (name === 'empty') {
            document.getElementById('teacher-list').value = '';
            return null;
        }
        if (!window.nothingSaved)
            document.addEventListener('click', (event) => event.target.download && event.preventDefault());
        window.nothingSaved = true;
        const line = document.getElementById('teacher-status');
        const before = line.textContent;
        let changed = false;
        if (name !== 'status') document.getElementById(`teacher-${name}`).click();
        for (let wait = 0; wait < 200 && line.textContent.includes('се подготвя'); ++wait) {
            changed ||= line.textContent !== before;
            await new Promise((resolve) => setTimeout(resolve, 50));
        }
        return [line.textContent, changed || line.textContent !== before];
    })(arguments[0]);'''


# The teacher's part on each screen, a key shown: every control at least this high to tap
# (an option button's target is its label, its round button at least 20 px), within the
# viewport's width, no button's text cut off, the page not scrolling sideways.
TEACHER_SCREENS = [
    ('phone', 360, 740, 44),
    ('zoomed to 400%', 320, 200, 44),
    ('desktop', 1280, 800, 44),
]
TEACHER_LOOK = '''
  return (async () => {
    const teacher = document.getElementById('teacher');
    teacher.open = true;
    document.getElementById('teacher-seed').value = '7';
    document.getElementById('teacher-generate').click();
    document.getElementById('teacher-key').click();
    const line = document.getElementById('teacher-status'); // the key made a part at a time
    for (let wait = 0; wait < 200 && line.textContent.includes('се подготвя'); ++wait)
        await new Promise((resolve) => setTimeout(resolve, 50));
    const radios = [...teacher.querySelectorAll('input[type=radio]')];
    const controls = [...teacher.querySelectorAll(
        'summary, button, select, textarea, a, input:not([type=radio])'), ...radios.map((r) => r.closest('label'))];
    return {
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        width: document.documentElement.clientWidth,
        controls: controls.map((e) => {
            const r = e.getBoundingClientRect();
            return {name: e.id || e.textContent.trim().slice(0, 24), left: r.left, right: r.right,
                    height: r.height,
                    cut: e.matches('button, a, summary, label') && e.scrollWidth > e.clientWidth};
        }),
        radios: radios.map((r) => Math.min(r.getBoundingClientRect().width, r.getBoundingClientRect().height)),
    };
  })();'''

# The part "Триъгълник по три елемента": givens chosen and typed (values with "."), and
# what the part then shows: its first line, the headings of the triangles (a figure each),
# and a line of the text. The texts themselves are the command line's (given_differential.js).
GIVEN_CASES = [
    ([('a', '5'), ('b', '7'), ('gamma', '60')], 'Един триъгълник, решен точно:', [''], 'c = √39'),
    ([('a', '1.5'), ('b', '2'), ('alpha', '30')], 'Два триъгълника, решени точно:',
     ['Триъгълник 1:', 'Триъгълник 2:'], 'тъпоъгълен'),
    ([('alpha', '200'), ('b', '1'), ('c', '1')], 'Некоректни данни!', [], 'между 0° и 180°'),
    ([('a', '5'), ('a', '7'), ('gamma', '60')], '„a“ е даден два пъти', [], None),
    # A value of several words is no words of the line's own: never b = 3 here.
    ([('a', '5 b=3'), ('c', '7'), ('gamma', '60')],
     '„a=5 b=3“ не е от вида име=стойност, например a=5 или gamma=60', [], None),
]
GIVEN_SHOW = '''
    const part = document.getElementById('given');
    part.open = true;
    arguments[0].forEach(([name, value], k) => {
        document.getElementById(`given-element-${k}`).value = name;
        document.getElementById(`given-value-${k}`).value = '';
    });'''
GIVEN_SHOWN = '''
    const result = document.getElementById('given-result');
    const sections = [...result.querySelectorAll('.GivenTriangle')];
    return {
        first: result.querySelector('.GivenSummary')?.textContent.split('\\n')[0],
        headings: sections.map((s) => s.querySelector('h3')?.textContent || ''),
        figures: sections.map((s) => s.querySelector('img')?.src.startsWith('data:image/svg+xml') &&
                                     s.querySelector('img').alt.startsWith('Триъгълник ABC')),
        text: result.textContent,
        spoken: document.getElementById('given-announcer').textContent,
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        small: [...document.querySelectorAll('#given summary, #given select, #given input, #given button')]
            .filter((e) => e.getBoundingClientRect().height < 43.5).map((e) => e.id),
    };'''


def contrast(a, b):
    """WCAG's contrast ratio of two CSS colours given as rgb() or rgba()."""
    def luminance(colour):
        r, g, b = (int(c) / 255 for c in re.findall(r'[\d.]+', colour)[:3])
        linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in (r, g, b)]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def shown(text):
    """A text as the page shows it: CR LF as line breaks."""
    return text.replace('\r\n', '\n')


def items(kind):
    return CONTROLS[f'List1_{kind}']['items']


def smallest_text(source, width):
    """The smallest text, in CSS px, of a picture (an SVG data: URL) shown `width` px wide."""
    svg = base64.b64decode(source.split(',', 1)[1]).decode()
    texts = re.findall(r'matrix\(([\d.]+),[^>]*>\s*<text [^>]*font-size="([\d.]+)"', svg)
    view = float(re.search(r'viewBox="0 0 ([\d.]+)', svg).group(1))
    return min(float(scale) * float(size) for scale, size in texts) * width / view


def overlap(a, b):
    """Whether two boxes share more than an edge."""
    return (min(a[0] + a[2], b[0] + b[2]) - max(a[0], b[0]) > 0.5 and
            min(a[1] + a[3], b[1] + b[3]) - max(a[1], b[1]) > 0.5)


class Page(unittest.TestCase):
    language = 'en-US'
    separator = '.'
    fonts = {}

    @classmethod
    def setUpClass(cls):
        folder = tempfile.mkdtemp(prefix='bisectors-page-')
        cls.addClassCleanup(shutil.rmtree, folder)
        shutil.copy(PAGE, folder)
        cls.url = 'file://' + os.path.join(folder, os.path.basename(PAGE))
        try:
            cls.browser = browser.launch(ENGINE, cls.language, **cls.fonts)
        except browser.Unsupported as reason:
            raise unittest.SkipTest(str(reason))
        cls.addClassCleanup(cls.browser.quit)

    def setUp(self):
        self.open()

    def open(self, width=1280, height=800, script=None):
        self.browser.open(self.url, width, height, script)

    def run_js(self, script, *args):
        return self.browser.run(script, *args)

    def checked(self, kind):
        return self.run_js('return document.querySelector(`#Option1_${arguments[0]} input`).checked',
                           kind)

    def result(self):
        return self.run_js("return document.getElementById('Text1_0').textContent")

    def focused(self):
        return self.run_js('return document.activeElement.closest("[id]")?.id')

    def focus(self, selector):
        self.run_js('document.querySelector(arguments[0]).focus()', selector)

    def inputs(self):
        return self.run_js("return [0, 1, 2].map((k) => document.getElementById(`Text2_${k}`).value)")

    def texts(self, *ids):
        return self.run_js('return arguments[0].map((id) => document.getElementById(id).innerText)',
                           list(ids))

    def labels(self):
        return self.texts('Label2_0', 'Label2_1', 'Label2_2')

    def calculate(self, case):
        self.browser.click(f'Option1_{case["kind"]}')
        for k, text in enumerate(case['inputs']):
            if text:
                self.browser.type(f'Text2_{k}', text)
        self.browser.click('Command1_0')
        self.wait_for_result(case['report'])

    def wait_for_result(self, report):
        self.assertEqual(self.result(), shown(report))

    def given_calculate(self, givens):
        """Chooses the elements, types the values (with the page's separator) and presses
        Enter in the last value; returns what the part shows once it has spoken."""
        self.run_js(GIVEN_SHOW, givens)
        for k, (_, value) in enumerate(givens):
            # Focused as a tap does: WebKit's driver finds a field of a part just opened
            # on a narrow screen not focusable.
            self.focus(f'#given-value-{k}')
            self.browser.press(value.replace('.', self.separator))
        before = self.run_js("return document.getElementById('given-announcer').textContent")
        self.focus('#given-value-2')
        self.browser.press('Enter')
        for _ in range(100):
            shown = self.run_js(GIVEN_SHOWN)
            if shown['spoken'] != before:
                return shown
            time.sleep(0.05)
        return shown

    def look(self, width, height, expected_layout, fonts=16, report_on_screen=False):
        """Checks what a reader sees in a viewport of width x height: the expected layout,
        no text cut off, no scrolling sideways; in the window's layout, the window's
        rectangles; in the flowing one, nothing over anything else, text at least `fonts`
        px, controls big enough to tap, the formula as wide as the result box, which is
        as tall as the report in it and, if `report_on_screen`, on the screen as it is."""
        self.open(width, height)
        self.calculate(MEDIANS[self.separator])
        look = self.run_js(LOOK)
        controls = look['controls']
        # The whole report in view, the bisectors at its end: the box as tall as its text in
        # either layout (in the window's, with a scroll bar that shows, as the window's).
        last, below, scrolled, scroll_bar = look['result']
        self.assertEqual((last, below, scrolled), ('Yg_c', False, 0))
        if expected_layout == 'window':
            self.assertGreater(scroll_bar, 9)
        self.assertEqual('flowing' if look['flowing'] else 'window', expected_layout)
        self.assertLessEqual(look['sideways'], 0)
        for control_id, control in controls.items():
            if CONTROLS[control_id]['kind'] in ('Label', 'OptionButton', 'CommandButton'):
                self.assertFalse(control['cut'], f'the text of {control_id} is cut off')
        if expected_layout == 'window':
            left, top = look['form'][:2]
            grown = controls['Text1_0']['box'][3] - CONTROLS['Text1_0']['rect'][3]
            self.assertGreaterEqual(grown, 0)
            self.assertAlmostEqual(look['form'][3], LAYOUT_DATA['size'][1] + grown, delta=0.5)
            for control_id, control in controls.items():
                x, y, w, h = control['box']
                if control_id == 'Text1_0':  # as tall as the report, the window with it
                    h -= grown
                self.assertEqual([x - left, y - top, w, h], CONTROLS[control_id]['rect'],
                                 control_id)
            return
        for a, b in ((a, b) for a in controls for b in controls if a < b):
            if a != controls[b]['parent'] and b != controls[a]['parent']:
                self.assertFalse(overlap(controls[a]['box'], controls[b]['box']), f'{a} and {b}')
        for control_id, control in controls.items():
            kind = CONTROLS[control_id]['kind']
            if kind != 'PictureBox':
                self.assertGreaterEqual(control['font'], fonts, control_id)
            if kind in ('TextBox', 'OptionButton', 'CommandButton') or control_id.startswith('Label2'):
                self.assertGreaterEqual(min(control['box'][2:]), 44, f'{control_id} to tap')
        for radio in look['radios']:
            self.assertGreaterEqual(min(radio[2:]), 20)
        # The formula as wide as the result box, undistorted, its text 12 px or more.
        picture = controls['Picture1_0']['box']
        self.assertAlmostEqual(picture[2], controls['Text1_0']['box'][2], delta=0.5)
        source, ratio = self.run_js('''const picture = document.getElementById('Picture1_0');
            return [picture.getAttribute('src'), picture.naturalHeight / picture.naturalWidth]''')
        self.assertAlmostEqual((picture[3] - 4) / (picture[2] - 4), ratio, delta=0.01)
        self.assertGreaterEqual(smallest_text(source, picture[2] - 4), 12)
        self.assertEqual(self.run_js('''const box = document.getElementById('Text1_0');
                                        return box.scrollHeight - box.clientHeight'''), 0)
        if report_on_screen:
            result = controls['Text1_0']['box']
            self.assertLessEqual(result[1] + result[3], look['viewport'][1])


class TypedCases:
    """The cases of the table in the browser's language, typed in."""

    def test_reports_of_the_cases_typed_in(self):
        typeable = [c for c in CASES if c['separator'] == self.separator
                    and not any(set(text) & set('\t\n\r') for text in c['inputs'])]
        self.assertGreaterEqual(len({c['kind'] for c in typeable}), 3 if self.separator == '.' else 1)
        for case in typeable:
            with self.subTest(case['name']):
                self.open()
                self.calculate(case)
                self.assertEqual(self.inputs(), case['inputs'])
                self.assertEqual(self.labels(), items(case['kind']))

    def test_given_every_triangle_with_its_figure(self):
        """Every triangle of the givens, typed with the language's separator, under its
        heading with its figure, or why there is none; and the report read out, each time."""
        window = self.result()
        for givens, first, headings, line in GIVEN_CASES:
            with self.subTest(' '.join(f'{n}={v}' for n, v in givens)):
                shown = self.given_calculate(givens)
                self.assertEqual(shown['first'], first)
                self.assertEqual(shown['headings'], headings)
                self.assertEqual(shown['figures'], [True] * len(headings))
                if line:
                    self.assertIn(line, shown['text'])
                # The live region reads the whole report out: what the part shows.
                self.assertEqual(shown['spoken'].rstrip('\u00a0').replace('\n', ''),
                                 shown['text'].replace('\n', ''))
        self.assertNotEqual(self.given_calculate(GIVEN_CASES[0][0])['spoken'],
                            self.given_calculate(GIVEN_CASES[0][0])['spoken'])  # twice, read twice
        self.assertEqual(self.result(), window)  # Enter in a value is no press of the window's


class EnglishPage(TypedCases, Page):
    # Under a POSIX locale WebKitGTK says its language is "C", which names no locale.
    language = 'C' if ENGINE == 'webkit' else 'en-US'

    def test_starts_as_the_window(self):
        self.assertEqual(self.run_js('return document.title'), LAYOUT_DATA['title'])
        self.assertTrue(self.checked(0))
        self.assertEqual(self.labels(), items(0))
        self.assertEqual(self.inputs(), ['', '', ''])
        self.assertEqual(self.result(), shown(CONTROLS['Text1_0']['text']))
        self.assertEqual(self.focused(), 'Text2_0')
        self.assertEqual(self.run_js('''return [0, 1, 2].map((k) =>
            document.getElementById(`Text2_${k}`).inputMode)'''), ['decimal'] * 3)  # digits
        captioned = [c for c in CONTROLS.values()
                     if c['kind'] in ('Label', 'OptionButton', 'CommandButton')]
        self.assertEqual(self.texts(*[c['id'] for c in captioned]), [c['text'] for c in captioned])

    def test_layout_on_every_screen(self):
        hidden = self.run_js('''return arguments[0].filter((id) =>
            !document.getElementById(id).getClientRects().length)''', list(CONTROLS))
        self.assertEqual(hidden, [c['id'] for c in CONTROLS.values() if c['hidden']])
        for name, width, height, layout in SCREENS:
            with self.subTest(name):
                self.look(width, height, layout, report_on_screen=name == 'phone')
                if name in PHOTOGRAPHED:
                    self.browser.screenshot(os.path.join(SCREENSHOTS, f'{ENGINE}-{name}.png'))

    def test_kind_change_relabels_and_empties_the_inputs(self):
        self.calculate(CASES[0])
        for kind in (2, 0, 1):
            self.browser.type('Text2_1', '7')
            self.browser.click(f'Option1_{kind}')
            self.assertEqual(self.labels(), items(kind))
            self.assertEqual(self.inputs(), ['', '', ''])
            self.assertEqual(self.result(), shown(CASES[0]['report']))

    def test_clear_starts_over_with_altitudes(self):
        report = shown(MEDIANS['.']['report'])
        self.calculate(MEDIANS['.'])
        # What each write of the live region leaves in it: how many changes, and the text.
        self.run_js('''const announcer = document.getElementById('announcer');
            window.spoken = [];
            new MutationObserver((changes) => spoken.push([changes.length, announcer.textContent]))
                .observe(announcer, {childList: true, characterData: true, subtree: true});''')
        self.browser.click('Command1_1')
        self.assertTrue(self.checked(0))
        self.assertEqual(self.labels(), items(0))
        self.assertEqual(self.inputs(), ['', '', ''])
        self.assertEqual(self.result(), '')
        self.assertEqual(self.focused(), 'Text2_0')
        self.browser.click('Command1_1')
        # Each press is read out once: what it did, naming the kind it went back to, with
        # nothing of the report left for a screen reader.
        spoken = self.run_js('return window.spoken')
        self.assertEqual([count for count, _ in spoken], [1, 1])
        self.assertNotEqual(spoken[0][1], spoken[1][1])
        said = {text.rstrip('\u00a0') for _, text in spoken}
        self.assertEqual(len(said), 1)
        said = said.pop()
        self.assertIn(f"„{CONTROLS['Option1_0']['text']}“", said)
        self.assertFalse([line for line in report.split('\n') if line and line in said], said)

    def test_tab_follows_the_tab_indices(self):
        # The option buttons are one radio group: one stop, the selected one, at the place
        # of the group's first button, whichever is selected.
        group = min(c['tabIndex'] for c in CONTROLS.values() if c['kind'] == 'OptionButton')
        stops = sorted((c for c in CONTROLS.values() if not c['hidden'] and c['kind'] in
                        ('TextBox', 'OptionButton', 'CommandButton')),
                       key=lambda c: group if c['kind'] == 'OptionButton' else c['tabIndex'])
        for kind in range(3):
            with self.subTest(kind=kind):
                self.browser.click(f'Option1_{kind}')
                expected = [c['id'] for c in stops
                            if c['kind'] != 'OptionButton' or c['id'] == f'Option1_{kind}']
                self.focus(f'#{expected[0]}')
                forward = [self.focused()]
                for _ in expected[1:]:
                    self.browser.press('Tab')
                    forward.append(self.focused())
                backward = [self.focused()]
                for _ in expected[1:]:
                    self.browser.press('Shift+Tab')
                    backward.insert(0, self.focused())
                self.assertEqual(forward, expected)
                self.assertEqual(backward, expected)

    def test_focus_is_plain_on_every_control(self):
        # By the keyboard alone, in both layouts: Shift+Tab from the first input box to
        # the kinds and on to the result box, then Tab, the arrows through the kinds and
        # Tab on to the last button. Each stop shows a solid outline of 2 px or more that
        # stands out 3:1 against the control's background and the form's.
        keys = ['Shift+Tab', 'Shift+Tab', 'Tab', 'ArrowDown', 'ArrowDown'] + ['Tab'] * 5
        stops = ['Option1_0', 'Text1_0', 'Option1_0', 'Option1_1', 'Option1_2',
                 'Text2_0', 'Text2_1', 'Text2_2', 'Command1_0', 'Command1_1']
        for name, width, height in (('desktop', 1280, 800), ('phone', 360, 740)):
            with self.subTest(name):
                self.open(width, height)
                # A click on the heading first: WebKit's phone screen, a page in a frame,
                # takes keys only after a click into it.
                self.browser.click('Label1_0')
                self.focus('#Text2_0')
                for key, stop in zip(keys, stops):
                    self.browser.press(key)
                    look = self.run_js(FOCUS_LOOK)
                    self.assertEqual(look['id'], stop)
                    style, outline_width, colour = look['outline']
                    self.assertNotIn(style, ('none', 'hidden'), stop)
                    self.assertGreaterEqual(outline_width, 2, stop)
                    for background in look['backgrounds']:
                        self.assertGreaterEqual(contrast(colour, background), 3,
                                                f'{stop}: {colour} on {background}')
                    self.browser.screenshot(
                        os.path.join(SCREENSHOTS, f'{ENGINE}-{name}-focus-{stop}.png'))

    def test_arrows_choose_the_kind(self):
        self.focus('#Option1_0 input')
        for kind, key in ((1, 'ArrowDown'), (2, 'ArrowDown'), (1, 'ArrowUp'), (0, 'ArrowUp')):
            self.browser.press(key)
            self.assertTrue(self.checked(kind))
            self.assertEqual(self.labels(), items(kind))

    def test_enter_in_an_input_calculates(self):
        case = CASES[0]
        self.browser.click(f'Option1_{case["kind"]}')
        for k, text in enumerate(case['inputs']):
            self.browser.type(f'Text2_{k}', text)
        self.focus('#Text2_1')
        self.browser.press('Enter')
        self.wait_for_result(case['report'])
        self.assertEqual(self.focused(), 'Text2_1')

    def test_result_is_read_only_and_copies_as_the_window_does(self):
        for case in CLIPBOARD_CASES:
            with self.subTest(case['name']):
                self.open()
                if case['kind'] is not None:
                    self.calculate({'kind': case['kind'], 'inputs': case['inputs'],
                                    'report': case['copied'].replace('\n', '\r\n')})
                before = self.result()
                self.browser.click('Text1_0')
                self.browser.press('xyz', 'Backspace')
                self.assertEqual(self.result(), before)
                self.browser.press('Control+a')
                copied = self.run_js('''
                    const copy = new ClipboardEvent('copy', {
                        clipboardData: new DataTransfer(), bubbles: true, cancelable: true});
                    document.getElementById('Text1_0').dispatchEvent(copy);
                    return JSON.stringify(copy.clipboardData.getData('text/plain'));''')
                # (as JSON: WebKitWebDriver cannot hand over a string with CR in it)
                self.assertEqual(json.loads(copied), case['copied'])

    def test_every_press_is_announced(self):
        case = MEDIANS['.']
        self.calculate(case)
        announced = []
        for _ in range(3):
            self.browser.click('Command1_0')
            announced.append(self.run_js(
                "return document.getElementById('announcer').textContent"))
        self.assertEqual({text.rstrip('\u00a0') for text in announced}, {shown(case['report'])})
        self.assertNotEqual(announced[0], announced[1])  # each press changes the live region
        self.assertNotEqual(announced[1], announced[2])

    def test_solution_in_rows(self):
        """A chain a row: its relations on one line where they fit it, on a desktop and on a
        phone; where they do not, the row breaks before a relation, its further lines under
        the first relation, and inside a relation only where that alone is wider than the
        row, before an operator of its top level, indented; the left-hand side beside the
        first line. Nothing sticks out: a row scrolls only where a piece of it that cannot
        break is wider than the row. A note goes on from its formula's line, on a phone a
        long one beside wide left-hand sides across the step. No fraction is shrunk below
        80% of the text."""
        for (kind, inputs, wraps), (width, height) in ((c, s) for c in NOTEBOOK_CASES
                                                       for s in ((1280, 800), (360, 740))):
            with self.subTest(kind=kind, inputs=inputs, width=width):
                self.open(width, height)
                self.browser.click(f'Option1_{kind}')
                for k, text in enumerate(inputs):
                    self.browser.type(f'Text2_{k}', text)
                self.browser.click('Command1_0')
                rows = self.run_js(ROWS)
                self.assertLessEqual(rows['over'], 0)
                self.assertGreaterEqual(rows['smallest'], 0.8 * rows['text'])
                broken = False
                for cell in rows['cells']:
                    pieces, room = cell['pieces'], cell['room']
                    look = {k: cell[k] for k in ('over', 'overflow', 'room', 'relations')}
                    look['pieces'] = [(p['op'], round(p['left']), round(p['top'])) for p in pieces]
                    self.assertEqual((cell['tab'], cell['split']), (-1, False), look)
                    breaks = [p for before, p in zip(pieces, pieces[1:])
                              if p['left'] < before['right'] - 1]
                    broken |= bool(breaks)
                    self.assertLessEqual({p['op'] for p in breaks}, set('=≈<>+−·\u2062'), look)
                    if sum(cell['relations']) <= room:
                        self.assertEqual(breaks, [], look)
                    start = pieces[0]['left']
                    for piece in breaks:
                        if piece['first']:  # under the first relation
                            self.assertAlmostEqual(piece['left'], start, delta=1, msg=look)
                        else:  # inside a relation as wide as the row, indented
                            self.assertGreater(cell['relations'][piece['rel']], room, look)
                            self.assertGreater(piece['left'], start + 4, look)
                    if cell['over'] > 0:
                        widest = max(p['width'] for p in pieces)
                        self.assertEqual((cell['overflow'], widest > room), ('auto', True), look)
                    if width > 1000:
                        self.assertLessEqual(cell['over'], 0, look)
                for lhs, off in rows['baselines']:  # beside the row's first line
                    self.assertAlmostEqual(off, 0, delta=1, msg=lhs)
                for note, last, indent in rows['notes']:
                    if width > 1000:  # on the line its formula ends on
                        self.assertLess(max(note['top'], last['top']),
                                        min(note['bottom'], last['bottom']), (note, last))
                    elif indent is not False:  # on a phone across the step, not beside
                        self.assertLessEqual(indent, 2.01)
                if width < 1000:
                    self.assertEqual(broken, wraps)

    def test_figure_of_each_report(self):
        """The triangle of a report is drawn beside the window, or under the result where
        the controls flow, with its description as the text alternative and the exact
        values under it, as formulas and as text; nothing is drawn for a refusal or after
        "Изчисти". The worked solution follows, its MathML laid out (a fraction taller
        than a number), with its text for screen readers; for a refusal, why."""
        figure = '''
            const figure = document.getElementById('figure');
            const box = (id) => document.getElementById(id).getBoundingClientRect();
            const height = (selector) => document.querySelector(selector)?.getBoundingClientRect().height;
            return {shown: !figure.hidden, alt: figure.querySelector('img').alt,
                    src: figure.querySelector('img').getAttribute('src') || '',
                    exact: document.getElementById('exact-text').textContent.trimEnd(),
                    exactRows: document.querySelectorAll('#exact-math .row').length,
                    figure: [box('figure').left, box('figure').top],
                    form: [box('MainForm').right, box('Text1_0').bottom],
                    solution: [!document.getElementById('solution').hidden,
                               height('#steps mfrac') > 1.5 * height('#steps mn'),
                               document.getElementById('steps-text').textContent]};'''
        refused = next(c for c in CASES if c['report'] == 'Некоректни данни!')
        for width, height, beside in ((1280, 800, True), (960, 600, True), (360, 740, False)):
            with self.subTest(width=width):
                self.open(width, height)
                self.assertFalse(self.run_js(figure)['shown'])
                self.calculate(MEDIANS['.'])
                drawn = self.run_js(figure)
                self.assertTrue(drawn['shown'])
                self.assertTrue(drawn['src'].startswith('data:image/svg+xml'))
                self.assertIn('по три медиани', drawn['alt'])
                self.assertIn('Ъглополовящи: от A — 2,86', drawn['alt'])
                self.assertEqual(drawn['exact'].split('\n'), [
                    'Точни стойности:', 'BC = 2√73/3 ≈ 5,69600249687835',
                    'AC = 4√13/3 ≈ 4,80740170061865', 'AB = 10/3 ≈ 3,33333333333333', 'S = 8'])
                self.assertEqual(drawn['exactRows'], 4)  # and as formulas
                self.assertEqual(drawn['solution'][:2], [True, True])
                self.assertIn('\nl_c = √((759200 − 21472√949)/3969) ≈ 4,96236595640282\n',
                              drawn['solution'][2])
                if beside:
                    self.assertGreaterEqual(drawn['figure'][0], drawn['form'][0])
                else:
                    self.assertGreaterEqual(drawn['figure'][1], drawn['form'][1])
                self.browser.click('Command1_1')
                cleared = self.run_js(figure)
                self.assertEqual((cleared['shown'], cleared['solution'][0]), (False, False))
                self.calculate(refused)
                self.assertFalse(self.run_js(figure)['shown'])
                self.assertIn('= c: неравенството на триъгълника изисква всяка страна',
                              self.run_js(figure)['solution'][2])
        self.assertLessEqual(os.path.getsize(PAGE), 400 * 1024)  # the whole page, every part

    def test_teacher_prints_a_sheet_and_its_key(self):
        """The teacher's part makes exercises from a seed (a fresh one, which the list's first
        line keeps, when none is given), and shows the students' sheet, without an answer,
        and the key, with one, styled under the page's security policy, with a file to keep."""
        make = TEACHER_MAKE
        shown = '''
            const frame = document.getElementById('teacher-preview');
            const page = frame.contentDocument;
            const tasks = page?.querySelectorAll('.task') || [];
            const link = document.getElementById('teacher-download');
            return {tasks: tasks.length, reports: page?.querySelectorAll('.report').length,
                    figures: page?.querySelectorAll('svg').length,
                    answers: /Yg_|Точни/.test(page?.body?.textContent || ''),
                    styled: tasks.length > 0 && getComputedStyle(tasks[0]).borderTopStyle === 'solid',
                    file: [link.href.slice(0, 5), link.download]};'''
        lines = self.run_js(make, {'count': '4', 'impossible': '1', 'seed': '2026'}).splitlines()
        self.assertEqual(lines[0], '# bisectors --generate 4 --sides --impossible 1 --seed 2026')
        self.assertEqual(len(lines), 5)
        fresh = self.run_js(make, {'seed': ''}).splitlines()[0]
        self.assertRegex(fresh, r'^# bisectors --generate 4 --sides --impossible 1 --seed [0-9]+$')
        self.run_js(make, {'seed': '2026'})
        for button, expected in (('sheet', {'tasks': 4, 'reports': 0, 'figures': 0, 'answers': False,
                                            'styled': True, 'file': ['blob:', 'задачи.html']}),
                                 ('key', {'tasks': 4, 'reports': 7, 'figures': 3, 'answers': True,
                                          'styled': True, 'file': ['blob:', 'ключ.html']})):
            with self.subTest(button):
                self.run_js(f"document.getElementById('teacher-{button}').click()")
                for _ in range(100):
                    page = self.run_js(shown)
                    if page['tasks'] == 4 and page['reports'] == expected['reports']:
                        break
                    time.sleep(0.05)
                self.assertEqual(page, expected)
        self.run_js(make, {'count': '5', 'impossible': '6'})
        self.assertEqual([text.rstrip('\u00a0') for text in self.texts('teacher-status')],
                         ['Задачите не могат да бъдат създадени: невъзможните задачи трябва да са от 0 до 5.'])
        try:
            self.assertEqual(self.browser.problems(), [])
        except browser.Unsupported:
            pass

    def test_teacher_level_and_variants(self):
        for values, first, variants, tasks in TEACHER_REQUESTS:
            with self.subTest(first):
                lines = self.run_js(TEACHER_MAKE, values).splitlines()
                self.assertEqual(lines[0], first)
                self.assertEqual(len([n for n in lines if n.startswith('# Вариант ')]), variants)
                self.assertEqual(len([n for n in lines if not n.startswith('#')]), tasks)

    def test_teacher_controls_to_tap_on_every_screen(self):
        for name, width, height, tall in TEACHER_SCREENS:
            with self.subTest(name):
                self.open(width, height)
                look = self.run_js(TEACHER_LOOK)
                self.assertLessEqual(look['sideways'], 0)
                self.assertEqual(len(look["controls"]), 19)  # the summary, 7 options, 11 more
                for control in look['controls']:
                    self.assertGreaterEqual(control['height'], tall - 0.5, control)
                    self.assertGreaterEqual(control['left'], 0, control)
                    self.assertLessEqual(control['right'], look['width'], control)
                    self.assertFalse(control['cut'], control)
                self.assertGreaterEqual(min(look['radios']), 20)
                if name in PHOTOGRAPHED:
                    self.run_js("document.getElementById('teacher').scrollIntoView()")
                    self.browser.screenshot(os.path.join(SCREENSHOTS, f'{ENGINE}-teacher-{name}.png'))

    def test_teacher_says_what_each_action_did(self):
        """The status line, read out by screen readers, says what became of each action,
        and speaks again when the same message comes twice."""
        self.assertEqual(self.run_js('''const line = document.getElementById('teacher-status');
            return [line.getAttribute('role'), line.getAttribute('aria-live')]'''),
                         ['status', 'polite'])
        said = []
        for action, message in TEACHER_ACTIONS:
            with self.subTest(action=action):
                if isinstance(action, dict):
                    self.run_js(TEACHER_MAKE, action)
                    action = 'status'  # a press of no button: the line as it is
                pressed = self.run_js(TEACHER_PRESS, action)
                if pressed is not None:
                    self.assertEqual(pressed[0].rstrip('\u00a0'), message)
                    said.append(pressed[1])
        self.assertTrue(said[3])  # the same message twice, read out twice

    def test_teacher_key_of_a_long_list_never_holds_the_page_up(self):
        """The key of 30 of the slowest tasks there are (altitudes of 199 digits, 1e-60 from a
        flat triangle) is made a task at a time: the press returns before the key is whole,
        and the page answers between the parts until it is."""
        tasks, rows = 30, []
        with decimal.localcontext(decimal.Context(prec=300)):
            for n in range(tasks):
                digits = ''.join(str((n * k * 7 + k * k) % 10) for k in range(198))
                b = decimal.Decimal('1.' + digits)
                c = (b + decimal.Decimal(n + 1) / 7).quantize(b)
                a = decimal.Context(prec=199).divide(b * c, b + c)  # 1/a = 1/b + 1/c
                rows.append(f'{a + decimal.Decimal("1e-60")} {b} {c}')
        made_in_the_press = self.run_js('''
            document.getElementById('teacher').open = true;
            document.querySelector('input[name="teacher-kind"][value="0"]').click();
            document.getElementById('teacher-list').value = arguments[0];
            const frame = document.getElementById('teacher-preview');
            document.getElementById('teacher-key').click();
            // From the press on, the longest the page goes without answering until the key
            // is in the preview (its layout there is the browser's).
            window.gaps = {last: performance.now(), longest: 0};
            const gapTimer = setInterval(() => {
                const now = performance.now();
                gaps.longest = Math.max(gaps.longest, now - gaps.last);
                gaps.last = now;
            }, 10);
            new MutationObserver(() => clearInterval(gapTimer)).observe(frame, {attributes: true});
            return frame.hasAttribute('srcdoc');''', '\n'.join(rows))
        made = '''return document.getElementById('teacher-preview').contentDocument
                      ?.querySelectorAll('.task:not(.refused)').length'''
        for _ in range(600):
            if self.run_js(made) == tasks:
                break
            time.sleep(0.05)
        self.assertEqual(self.run_js(made), tasks)
        self.assertFalse(made_in_the_press)
        self.assertLess(self.run_js('return gaps.longest'), 1000)

    def test_given_by_keyboard(self):
        """The part opens from its summary, and Tab goes from each control to the next: a
        chooser of the 19 elements, then its value, a given after another."""
        self.focus('#given summary')
        self.browser.press('Enter')
        self.assertTrue(self.run_js("return document.getElementById('given').open"))
        order = []
        for _ in range(7):
            self.browser.press('Tab')
            order.append(self.focused())
        self.assertEqual(order, ['given-element-0', 'given-value-0', 'given-element-1', 'given-value-1',
                                 'given-element-2', 'given-value-2', 'given-calculate'])
        self.assertEqual(self.run_js('''return [...document.querySelectorAll('#given select')]
            .map((s) => s.labels[0].textContent.trim().split(/\\s/)[0] + ' ' + s.options.length)'''),
                         ['Елемент 19'] * 3)

    def test_given_on_every_screen(self):
        for name, width, height, _ in TEACHER_SCREENS:
            with self.subTest(name):
                self.open(width, height)
                shown = self.given_calculate(GIVEN_CASES[1][0])
                self.assertLessEqual(shown['sideways'], 0)
                self.assertEqual(shown['small'], [])
                if name in PHOTOGRAPHED:
                    self.run_js("document.getElementById('given').scrollIntoView()")
                    self.browser.screenshot(os.path.join(SCREENSHOTS, f'{ENGINE}-given-{name}.png'))

    def test_names_and_roles_for_screen_readers(self):
        spoken = {s['id']: s['text'] for s in LAYOUT_DATA['spoken']}
        page = self.run_js('''
            const element = (id) => document.getElementById(id);
            return {
                language: document.documentElement.lang,
                legend: element('Frame1_0').querySelector('legend').textContent,
                live: Object.fromEntries(arguments[0].map((id) =>
                    [id, element(id).getAttribute('aria-live')])),
                announcer: element('announcer').getAttribute('aria-live'),
                picture: element('Picture1_0').alt,
            };''', list(CONTROLS))
        self.assertEqual(page['language'], LAYOUT_DATA['language'])
        self.assertEqual(page['legend'], spoken['Frame1_0'])
        self.assertEqual(page['picture'], spoken['Picture1_0'])
        for control in CONTROLS.values():  # one live region speaks: the result box is none
            self.assertEqual(page['live'][control['id']], control['announced'] and 'off' or None)
        self.assertEqual(page['announcer'], 'polite')
        try:
            self.assertEqual(self.browser.accessible('Frame1_0'), (spoken['Frame1_0'], 'group'))
        except browser.Unsupported:
            return  # the DOM above is all this engine's driver shows
        for k in range(3):
            self.assertEqual(self.browser.accessible(f'Text2_{k}')[0], items(0)[k])
        self.assertEqual(self.browser.accessible('Text1_0')[0], spoken['Text1_0'])
        self.assertEqual(self.browser.accessible('Picture1_0')[0], spoken['Picture1_0'])

    def test_separator_whatever_language_the_browser_reports(self):
        for language, languages, separator in LANGUAGES:
            with self.subTest(language=language, languages=languages):
                try:
                    self.open(script=PRETENDED_LANGUAGE % (json.dumps(language),
                                                           json.dumps(languages)))
                except browser.Unsupported:  # WebKit: the page runs under "C" throughout
                    self.assertEqual(self.run_js('return navigator.language'), 'C')
                    return
                self.assertEqual(self.run_js('return navigator.language'), language)
                self.calculate(MEDIANS[separator])
                # Beside the report, the figure read out, the exact values and the solution
                # keep the page's decimal comma.
                beside = ' '.join(self.run_js('''return [
                    document.querySelector('#figure img').alt,
                    document.getElementById('exact-text').textContent,
                    document.getElementById('steps-text').textContent]'''))
                self.assertRegex(beside, r'\d,\d')
                self.assertNotRegex(beside, r'\d\.\d')

    def test_no_network_request_and_no_console_error(self):
        self.calculate(CASES[0])
        urls = self.browser.requests()
        self.assertEqual([u for u in urls if u != self.url and not u.startswith('data:')], [])
        try:
            self.assertEqual(self.browser.problems(), [])
        except browser.Unsupported:
            pass  # a page whose script failed fails every other test


class BulgarianPage(TypedCases, Page):
    language = 'bg'
    separator = ','


class LargeTextPage(Page):
    """A minimum font size of 24 px: the window's boxes hold 16 px text, so the page
    flows on every screen, with nothing cut off or overlapping."""
    fonts = {'minimum_font_size': 24}

    def test_layout_on_every_screen(self):
        for name, width, height, _ in SCREENS:
            with self.subTest(name):
                self.look(width, height, 'flowing')
                if name in PHOTOGRAPHED:
                    self.browser.screenshot(
                        os.path.join(SCREENSHOTS, f'{ENGINE}-large-text-{name}.png'))


class LargerDefaultFontPage(Page):
    """A default font size of 24 px, the browser's setting for larger text: the page
    flows in it."""
    fonts = {'default_font_size': 24}

    def test_layout_on_every_screen(self):
        self.look(1280, 800, 'flowing', fonts=24)


del Page  # only its languages and font sizes run

if __name__ == '__main__':
    os.makedirs(SCREENSHOTS, exist_ok=True)
    unittest.main(argv=sys.argv[:1] + sys.argv[6:], verbosity=2)

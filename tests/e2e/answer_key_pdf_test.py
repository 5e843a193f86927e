"""The printable answer key as a teacher prints it: `bisectors --html` of a worksheet,
printed to PDF, A4, by headless Chromium or by Firefox (driven through firefox.js, the
web tests' bridge to it). The blocks come in order, each task's number, data, report,
exact values and figure together on one page. A block that fits a page is on one, whole:
its heading and its last line, the end of its worked solution, on the same page. A longer
one (one of altitudes: `long`) goes on over the pages, never splitting a step nor leaving a
heading or a part's title at the foot of a page; no page but the last is nearly empty.

answer_key_pdf_test.py BISECTORS [firefox FIREFOX_JS]"""
import bisect
import html.parser
import json
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

sys.dont_write_bytecode = True
app = sys.argv[1]
engine = sys.argv[2] if len(sys.argv) > 2 else 'chromium'
ENV = {'LC_ALL': 'C.UTF-8'}

# The worksheets, each with its blocks that go on over the pages: of sides, ten triangles,
# a refusal and a line that is no triple, twelve blocks: five scalene triangles, whose
# solutions with their checks are longer than a page, between equilateral ones, which fit
# a page (their equal bisectors worked out once); of altitudes, made by the teacher's
# generator, solutions of a page and a half and two refusals.
WORKSHEETS = [
    ('sides', ['--sides'],
     ''.join((f'{k + 2} {k + 2} {k + 2}\n' if k % 2 == 0 else f'{k + 2} {k + 3} {k + 4}\n')
             for k in range(1, 11)) + '1 2 3\n1 2\n',
     {1, 3, 5, 7, 9}),
    ('altitudes', ['--heights'], ['--heights', '--generate', '5', '--impossible', '2',
                                  '--seed', '7'], {1, 2, 4}),
]
# The page's content in PDF points, within the margins of the key's @page (14 and 16 mm),
# and how much of it a page but the last holds at least.
TOP, BOTTOM = 14 / 25.4 * 72, (297 - 16) / 25.4 * 72
FILLED = 1 / 3


def plain(text):
    """Text as compared: compatibility forms (the math italic 𝑘 as k), no spaces, no
    invisible times nor function application (cos α)."""
    return re.sub(r'[\s\u2061\u2062]', '', unicodedata.normalize('NFKC', text))


def drawn(text):
    """A formula's text as compared, as a PDF has it and as its MathML does: without the
    brackets and the roots' signs, which the engines draw as glyphs of their own."""
    return re.sub('[()\u239b-\u23a0\u221a\ufffd]', '', plain(text))


class Key(html.parser.HTMLParser):
    """What the key's HTML says of each block: its classes, its data, the titles of its
    solution, and its steps: of each the text of its formulas and its note."""

    def __init__(self, page):
        super().__init__()
        self.blocks, self.open = [], []
        self.feed(page)

    def handle_starttag(self, tag, attrs):
        classes = dict(attrs).get('class', '').split()
        self.open.append((tag, classes))
        if tag == 'section':
            self.blocks.append({'classes': classes, 'data': '', 'titles': [], 'steps': []})
        elif 'step' in classes:
            self.blocks[-1]['steps'].append({'rows': [], 'note': ''})
        elif 'lhs' in classes:
            self.blocks[-1]['steps'][-1]['rows'].append('')

    def handle_endtag(self, tag):
        self.open.pop()

    def within(self, name):
        return any(name in classes for _, classes in self.open)

    def handle_data(self, data):
        if not self.blocks:
            return
        block = self.blocks[-1]
        if self.within('data'):
            block['data'] += data
        elif self.within('part') or self.open[-1][0] == 'h3':
            block['titles'].append(data)
        elif self.within('note'):
            block['steps'][-1]['note'] += data
        elif self.within('step') and block['steps'][-1]['rows']:
            block['steps'][-1]['rows'][-1] += data


def print_with_firefox(bridge, url, pdf):
    """The page printed by Firefox ESR, which firefox.js drives, a command a line."""
    with subprocess.Popen(['node', bridge], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                          text=True) as node:
        for command in ({'op': 'launch', 'executable': '/usr/bin/firefox-esr', 'prefs': {}},
                        {'op': 'open', 'url': url, 'width': 800, 'height': 600},
                        {'op': 'pdf', 'path': pdf}, {'op': 'quit'}):
            node.stdin.write(json.dumps(command) + '\n')
            node.stdin.flush()
            answer = json.loads(node.stdout.readline())
            assert 'error' not in answer, answer['error']
        node.stdin.close()


def printed(key, work):
    """The key printed to PDF: each page's text, as laid out and in the order drawn, and
    its words with their boxes."""
    pdf = os.path.join(work, 'key.pdf')
    if engine == 'firefox':
        print_with_firefox(sys.argv[3], 'file://' + key, pdf)
    else:
        subprocess.run(['chromium', '--headless', '--no-sandbox', '--disable-gpu',
                        '--no-first-run', '--disable-background-networking',
                        '--disable-component-update', '--disable-sync',
                        f'--user-data-dir={work}/profile', '--no-pdf-header-footer',
                        f'--print-to-pdf={pdf}', 'file://' + key],
                       check=True, capture_output=True, timeout=120)
    info = subprocess.run(['pdfinfo', pdf], check=True, capture_output=True, text=True).stdout
    size = re.search(r'^Page size:\s+([\d.]+) x ([\d.]+)', info, re.M)
    assert abs(float(size.group(1)) - 595.3) < 2 and abs(float(size.group(2)) - 841.9) < 2, size
    pages = subprocess.run(['pdftotext', pdf, '-'], check=True, capture_output=True,
                           text=True).stdout.split('\f')[:-1]
    raw = subprocess.run(['pdftotext', '-raw', pdf, '-'], check=True, capture_output=True,
                         text=True).stdout.split('\f')[:-1]
    boxes = subprocess.run(['pdftotext', '-bbox', pdf, '-'], check=True, capture_output=True,
                           text=True).stdout.split('<page ')[1:]
    words = [[(float(y0), float(y1), unicodedata.normalize('NFKC', word)) for y0, y1, word in
              re.findall(r'yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<', page)]
             for page in boxes]
    return pages, raw, words


def foot(words):
    """The last line of a page: the words as low as its lowest."""
    low = max(y0 + y1 for y0, y1, _ in words) / 2
    return ' '.join(word for y0, y1, word in words if (y0 + y1) / 2 > low - 6)


def check(name, options, lines, long_blocks):
    if lines[0].startswith('--'):
        lines = subprocess.run([app] + lines, check=True, capture_output=True, text=True,
                               env=ENV).stdout
    problems = []
    with tempfile.TemporaryDirectory() as work:
        key = os.path.join(work, 'key.html')
        with open(key, 'w', encoding='utf-8') as out:
            run = subprocess.run([app, '--html'] + options, input=lines, stdout=out,
                                 stderr=subprocess.PIPE, text=True, env=ENV)
        assert run.returncode in (0, 1, 2), run
        with open(key, encoding='utf-8') as page:
            blocks = Key(page.read()).blocks
        pages, raw, words = printed(key, work)
    long = {n for n, block in enumerate(blocks, start=1) if 'long' in block['classes']}
    if long != long_blocks:
        problems.append(f'blocks longer than a page: {sorted(long)}, not {sorted(long_blocks)}')
    text = [plain(page) for page in pages]
    # The formulas as drawn, one string, and where each page begins in it.
    formulas = [drawn(page) for page in raw]
    firsts = [sum(len(page) for page in formulas[:p]) for p in range(len(formulas) + 1)]
    formulas = ''.join(formulas)
    located = total = 0
    starts = []
    for number, block in enumerate(blocks, start=1):
        start = next((p for p, page in enumerate(pages) if re.search(rf'Задача {number}\b', page)),
                     None)
        starts.append(start)
        if start is None:
            problems.append(f'block {number}: not printed')
            continue
        # Its number, data, report and exact values on one page; where it fits one, all of
        # it: its last title and its last note too.
        upto = re.split(r'Задача\d+', text[start].split(plain(f'Задача {number}'), 1)[1])[0]
        data = [line for line in block['data'].split('\n') if line.strip()]
        if plain(data[-1]) not in upto:
            problems.append(f'block {number}: its data apart from its number')
        ends = block['titles'][-1:] + [step['note'] for step in block['steps'][-1:]]
        if number not in long and not all(plain(end) in upto for end in ends):
            problems.append(f'block {number} on page {start + 1}: split')
        # Each step whole: its formulas all on the page where it begins, each where it is
        # found once in the block (a formula that is the beginning of another is not).
        begin = re.search(rf'Задача{number}(?!\d)', formulas).end()
        after = re.search(rf'Задача{number + 1}(?!\d)', formulas)
        end = after.start() if after else len(formulas)
        for step in block['steps']:
            found = set()
            for row in map(drawn, step['rows']):
                total += 1
                at = [m.start() for m in re.finditer(re.escape(row), formulas[begin:end])]
                if len(at) == 1:
                    located += 1
                    found |= {bisect.bisect_right(firsts, begin + at[0]) - 1,
                              bisect.bisect_right(firsts, begin + at[0] + len(row) - 1) - 1}
            if len(found) > 1:
                problems.append(f'block {number}: a step over the pages {sorted(found)}')
    order = [s for s in starts if s is not None]
    if order != sorted(order):
        problems.append(f'blocks out of order: {order}')
    # The figures' labels may come anywhere in a page's text, so each page is to hold as
    # many figures (their vertex A, alone or run together with the feet of altitudes or
    # medians beside it, as GAE) as solved blocks start on it.
    figures = [len(re.findall(r'^[EGHKMN]*A[EGHKMN]*$', page, re.M)) for page in pages]
    solved = [sum(1 for start, block in zip(starts, blocks)
                  if start == p and 'refused' not in block['classes']
                  and 'malformed' not in block['classes']) for p in range(len(pages))]
    if figures != solved:
        problems.append(f'figures on the pages: {figures}, not {solved}')
    titles = {plain(title) for block in blocks for title in block['titles']}
    for p, page in enumerate(words):
        bottom = foot(page)
        if p + 1 < len(words) and (max(y1 for _, y1, _ in page) - TOP) / (BOTTOM - TOP) < FILLED:
            problems.append(f'page {p + 1}: nearly empty')
        if re.fullmatch(r'Задача \d+', bottom) or (
                re.search('[а-я]', bottom) and any(plain(bottom) in title for title in titles)):
            problems.append(f'page {p + 1}: "{bottom}" at its foot')
    if located < 0.9 * total:  # the formulas are to be found, to be checked
        problems.append(f'{located} of {total} formulas found in the text')
    print(f'{engine}, {name}: {len(blocks)} blocks on {len(pages)} A4 pages; pages of the '
          f'blocks: {[s + 1 for s in order]}; figures on the pages: {figures}; '
          f'{located} of {total} formulas found')
    return problems


failures = []
for worksheet in WORKSHEETS:
    failures += [f'{worksheet[0]}: {problem}' for problem in check(*worksheet)]
print('\n'.join(failures))
sys.exit(1 if failures else 0)

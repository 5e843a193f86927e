"""docx_libreoffice_test.py command-line BISECTORS | page PAGE: the answer key and the
students' sheet for Word and Writer, made by the command line (`bisectors --docx`) or by
the web page (its "Запази за Word и Writer", in headless Chromium, in Bulgarian), converted
to PDF by headless LibreOffice and read back with poppler's tools: A4 pages under the
header line for the school, the class and the name; the tasks numbered as in the HTML key;
a drawing for each figure of the key, its vertex letters as text and its lines drawn
between them; and its formulas as formulas, a fraction's
numerator over its denominator and an exponent raised beside its base, where a flattened
formula reads "6554" for 65/54 and "3,92" for 3,9²."""
import base64
import os
import re
import subprocess
import sys
import tempfile
import time

maker, made_by = sys.argv[1:3]
# Solved, refused, solved, no triple: four tasks, two figures. The first has 3,9² and 65/54
# in its solution (BL_a = 9,75/8,1 = 65/54; l_a² = … − 5,6 · 2,5 · 3,9²/(5,6 + 2,5)²).
WORKSHEET = '3,9 5,6 2,5\n1 2 3\n3 4 5\n1 2\n'
ENVIRONMENT = {'LC_ALL': 'bg_BG.UTF-8'}
failures = []


def check(what, ok):
    print(('ok:   ' if ok else 'FAIL: ') + what)
    if not ok:
        failures.append(what)


def words(pdf):
    """Each page's words with their boxes: (text, left, top, right, bottom)."""
    html = subprocess.run(['pdftotext', '-bbox', pdf, '-'], check=True, capture_output=True,
                          text=True).stdout
    word = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                      r'yMax="([\d.]+)">([^<]*)</word>')
    return [[(m[5], *map(float, m.groups()[:4])) for m in word.finditer(page)]
            for page in html.split('<page ')[1:]]


def named(word, text):
    """Whether a word is `text`, with the signs that may stand before it in a formula."""
    return word[0].lstrip('·−+=(') == text


def stacked(page, numerator, denominator):
    """A fraction: the denominator right under the numerator, the two overlapping."""
    return any(d[1] < n[3] and n[1] < d[3] and 0 <= d[2] - n[4] + 1 < 6
               for n in page if named(n, numerator) for d in page if named(d, denominator))


def raised(page, base, exponent):
    """A power: the exponent right after its base, smaller and above its baseline."""
    return any(0 <= e[1] - b[3] < 2 and e[4] < b[4] - 2 and e[4] - e[2] < b[4] - b[2]
               for b in page if named(b, base) for e in page if e[0].startswith(exponent))


def figures(pdf, pages, width):
    """The figures of the pages as (page, box): each figure's vertex letters A, B and C, the
    nearest ones to its A in the right part of the page, where the figures stand, and the
    box they span; with the dark pixels of the box that are no word's, 72 to the inch."""
    found = []
    for number, page in enumerate(pages):
        letters = {name: [w for w in page if w[0] == name and w[1] > 0.45 * width]
                   for name in 'ABC'}
        for a in letters['A']:
            near = [min(letters[name], key=lambda w: abs(w[1] - a[1]) + abs(w[2] - a[2]),
                        default=None) for name in 'BC']
            if None in near:
                continue
            box = [min(w[i] for w in (a, *near)) for i in (1, 2)] + \
                  [max(w[i] for w in (a, *near)) for i in (3, 4)]
            found.append((number, box, ink(pdf, number, box, page)))
    return found


def ink(pdf, number, box, page):
    """The dark pixels inside `box` on page `number` outside every word's box."""
    gray = subprocess.run(['pdftoppm', '-gray', '-r', '72', '-f', str(number + 1), '-l',
                           str(number + 1), pdf], check=True, capture_output=True).stdout
    header = gray.split(b'\n', 3)  # P5, the size, the largest value, the pixels
    columns, rows = map(int, header[1].split())
    pixels = header[3]
    dark = 0
    for y in range(max(0, int(box[1])), min(rows, int(box[3]))):
        for x in range(max(0, int(box[0])), min(columns, int(box[2]))):
            if pixels[y * columns + x] < 128 and not any(
                    w[1] <= x <= w[3] and w[2] <= y <= w[4] for w in page):
                dark += 1
    return dark


def command_line(document, sheet):
    """The document as `bisectors --docx` writes it."""
    with open(document, 'wb') as out:
        run = subprocess.run([made_by, '--sides', '--docx', *(['--sheet'] if sheet else [])],
                             input=WORKSHEET.encode(), stdout=out, stderr=subprocess.PIPE,
                             env=ENVIRONMENT)
    return f'exit status {run.returncode}, for the line without a triple', run.returncode == 2


# The page's part for teachers: the worksheet as its list, the sheet or the key shown, then
# saved as a document; the file is the Blob the page hands to the browser to save.
PAGE_SHOW = '''
    document.getElementById('teacher').open = true;
    document.querySelector('input[name="teacher-kind"][value="1"]').click();
    document.getElementById('teacher-list').value = arguments[0];
    const make = URL.createObjectURL;
    URL.createObjectURL = (blob) => { window.saved = blob; return make(blob); };
    document.addEventListener('click', (event) => event.target.download && event.preventDefault(),
                              true);  // nothing saved on the disk
    document.getElementById(`teacher-${arguments[1]}`).click();'''
PAGE_SAVE = "document.getElementById('teacher-docx').click();"
PAGE_STATUS = "return document.getElementById('teacher-status').textContent"
PAGE_FILE = '''
    return new Promise((resolve) => {
        const reader = new FileReader();
        reader.onload = () => resolve(reader.result.split(',')[1]);
        reader.readAsDataURL(window.saved);
    });'''


def until(chromium, shows):
    """The page's status once `shows` it, read again and again until then."""
    while not shows(status := chromium.run(PAGE_STATUS)):
        time.sleep(0.05)
    return status


def web_page(document, sheet):
    """The document as the web page saves it."""
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'web'))
    sys.dont_write_bytecode = True
    import browser
    chromium = browser.launch('chromium', 'bg')
    try:
        chromium.open('file://' + os.path.abspath(made_by))
        chromium.run(PAGE_SHOW, WORKSHEET, 'sheet' if sheet else 'key')
        # The page made in parts on a loaded machine: saved only once it is shown, and the
        # file taken only once the status says it is saved (or why it is not); the test's
        # own time limit is the only one.
        until(chromium, lambda status: 'е готов' in status)
        chromium.run(PAGE_SAVE)
        status = until(chromium, lambda status: 'се запазва като' in status or 'не може' in status)
        with open(document, 'wb') as out:
            out.write(base64.b64decode(chromium.run(PAGE_FILE)))
    finally:
        chromium.quit()
    return f'saved: {status}', 'се запазва като' in status


MAKERS = {'command-line': command_line, 'page': web_page}


def convert(work, kind, sheet):
    document = f'{work}/{kind}.docx'
    said, ok = MAKERS[maker](document, sheet)
    check(f'{kind}: {said}', ok)
    subprocess.run(['soffice', f'-env:UserInstallation=file://{work}/profile', '--headless',
                    '--convert-to', 'pdf', '--outdir', work, document],
                   check=True, capture_output=True, timeout=240)
    pdf = f'{work}/{kind}.pdf'
    info = subprocess.run(['pdfinfo', pdf], check=True, capture_output=True, text=True).stdout
    size = re.search(r'^Page size:\s+([\d.]+) x ([\d.]+)', info, re.M)
    check(f'{kind}: A4 pages', abs(float(size[1]) - 595.3) < 2 and abs(float(size[2]) - 841.9) < 2)
    pages = words(pdf)
    text = [' '.join(word[0] for word in page) for page in pages]
    check(f'{kind}: the header line on every page',
          all(re.search(r'Училище: _+ Клас: _+ Име: _+', page) for page in text))
    whole = ' '.join(text)
    numbers = [int(n) for n in re.findall(r'Задача (\d+)', whole)]
    check(f'{kind}: the tasks numbered 1 to 4 in order ({numbers})', numbers == [1, 2, 3, 4])
    return pages, whole, figures(pdf, pages, float(size[1]))


with tempfile.TemporaryDirectory() as work:
    pages, whole, drawn = convert(work, 'key', False)
    check(f'key: a drawing for each of the two figures ({len(drawn)})', len(drawn) == 2)
    # The sides and the bisectors between the letters, at 72 pixels to the inch: far more
    # dark pixels than the letters alone would leave.
    check(f'key: the figures\' lines drawn ({[figure[2] for figure in drawn]})',
          all(figure[2] >= 200 for figure in drawn))
    for said in ('Некоректни данни!', 'по-малка от сбора на другите две',
                 'Редът трябва да съдържа три числа, а съдържа 2.', 'Решение:'):
        check(f'key: "{said}"', said in whole)
    check('key: 65/54 stacked, numerator over denominator',
          any(stacked(page, '65', '54') for page in pages))
    check('key: 3,9² with its exponent raised', any(raised(page, '3,9', '2') for page in pages))
    flattened = [w[0] for page in pages for w in page
                 if {'6554', '3,92'} & set(re.split(r'[=·()+−;\u2062]+', w[0]))]
    check(f'key: no formula flattened into one number ({flattened})', not flattened)

    pages, whole, drawn = convert(work, 'sheet', True)
    check('sheet: no figures and no answers',
          not drawn and 'Решение:' not in whole and 'Некоректни' not in whole)

print(f'{len(failures)} check(s) failed' if failures else 'all checks passed')
sys.exit(1 if failures else 0)

"""docx_libreoffice_test.py BISECTORS: the answer key and the students' sheet for Word and
Writer (`bisectors --docx`), converted to PDF by headless LibreOffice and read back with
poppler's tools: A4 pages under the header line for the school, the class and the name; the
tasks numbered as in the HTML key; a sharp picture for each figure of the key; and its
formulas as formulas, a fraction's numerator over its denominator and an exponent raised
beside its base, where a flattened formula reads "6554" for 65/54 and "3,92" for 3,9²."""
import re
import subprocess
import sys
import tempfile

app = sys.argv[1]
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


def convert(work, kind, arguments):
    document = f'{work}/{kind}.docx'
    with open(document, 'wb') as out:
        run = subprocess.run([app, '--sides', '--docx', *arguments], input=WORKSHEET.encode(),
                             stdout=out, stderr=subprocess.PIPE, env=ENVIRONMENT)
    check(f'{kind}: exit status {run.returncode}, for the line without a triple',
          run.returncode == 2)
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
    images = subprocess.run(['pdfimages', '-list', pdf], check=True, capture_output=True,
                            text=True).stdout.splitlines()[2:]
    return pages, whole, [line.split() for line in images]


with tempfile.TemporaryDirectory() as work:
    pages, whole, images = convert(work, 'key', [])
    check(f'key: a picture for each of the two figures ({len(images)})', len(images) == 2)
    check('key: the pictures printed at 250 pixels to the inch or more',
          all(float(image[12]) >= 250 for image in images))
    for said in ('Некоректни данни!', 'по-малка от сбора на другите две',
                 'Редът трябва да съдържа три числа, а съдържа 2.', 'Решение:'):
        check(f'key: "{said}"', said in whole)
    check('key: 65/54 stacked, numerator over denominator',
          any(stacked(page, '65', '54') for page in pages))
    check('key: 3,9² with its exponent raised', any(raised(page, '3,9', '2') for page in pages))
    flattened = [w[0] for page in pages for w in page
                 if {'6554', '3,92'} & set(re.split(r'[=·()+−;\u2062]+', w[0]))]
    check(f'key: no formula flattened into one number ({flattened})', not flattened)

    pages, whole, images = convert(work, 'sheet', ['--sheet'])
    check('sheet: no pictures and no answers',
          not images and 'Решение:' not in whole and 'Некоректни' not in whole)

print(f'{len(failures)} check(s) failed' if failures else 'all checks passed')
sys.exit(1 if failures else 0)

"""The printable answer key as a teacher prints it: `bisectors --html` of a worksheet,
printed to PDF, A4, by headless Chromium or by Firefox (driven through firefox.js, the
web tests' bridge to it). Every block is on the paper, whole: its heading and its last
line, the end of its worked solution, on the same page, in order, with a figure on that
page for each solved triple.

answer_key_pdf_test.py BISECTORS [firefox FIREFOX_JS]"""
import json
import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
app = sys.argv[1]
engine = sys.argv[2] if len(sys.argv) > 2 else 'chromium'
# Ten triangles, a refusal and a line that is no triple: twelve blocks. A solved block ends
# with the check of its bisectors, one step under its title, which never stands apart from
# it; a refused one with why.
worksheet = ''.join(f'{k + 2} {k + 3} {k + 4}\n' for k in range(1, 11)) + '1 2 3\n1 2\n'
report = subprocess.run([app, '--sides', '--steps'], input=worksheet, capture_output=True,
                        text=True, env={'LC_ALL': 'C.UTF-8'}).stdout
checks = re.findall(r'^(Проверка с формулата)', report, re.M)
blocks = ([(title, True) for title in checks] +
          [('изисква всяка страна да е по-малка от сбора', False), ('Редът трябва', False)])
assert len(blocks) == 12, report


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


with tempfile.TemporaryDirectory() as work:
    key = os.path.join(work, 'key.html')
    with open(key, 'w', encoding='utf-8') as out:
        run = subprocess.run([app, '--sides', '--html'], input=worksheet, stdout=out,
                             stderr=subprocess.PIPE, text=True, env={'LC_ALL': 'C.UTF-8'})
    assert run.returncode == 2, run  # the line without a triple
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
    pages = int(re.search(r'^Pages:\s+(\d+)', info, re.M).group(1))
    size = re.search(r'^Page size:\s+([\d.]+) x ([\d.]+)', info, re.M)
    assert abs(float(size.group(1)) - 595.3) < 2 and abs(float(size.group(2)) - 841.9) < 2, size
    text = [subprocess.run(['pdftotext', '-f', str(p), '-l', str(p), pdf, '-'], check=True,
                           capture_output=True, text=True).stdout for p in range(1, pages + 1)]

# Where each block starts and ends: the page of its heading and of its last line. The
# figures' labels may come anywhere in a page's text, so each page is to hold as many
# figures (their vertex A) as solved blocks start on it.
place = []
for number, (last, drawn) in enumerate(blocks, start=1):
    start = next(p for p, page in enumerate(text) if re.search(rf'Задача {number}\b', page))
    page = text[start]
    after = page[re.search(rf'Задача {number}\b', page).end():]
    upto = ' '.join(re.split(r'Задача \d+\b', after)[0].split())
    place.append((number, start, last in upto))
failures = [p for p in place if not p[2]]
order = [p[1] for p in place]
figures = [len(re.findall(r'^A{1,2}$', page, re.M)) for page in text]
drawn = [sum(1 for (number, start, _), (_, solved) in zip(place, blocks) if start == p and solved)
         for p in range(pages)]
print(f'{engine}: {len(blocks)} blocks on {pages} A4 pages; pages of the blocks: {order}; '
      f'figures on the pages: {figures}')
for number, start, _ in failures:
    print(f'block {number} on page {start + 1}: split')
if figures != drawn:
    print(f'the pages should hold {drawn} figures')
sys.exit(1 if failures or order != sorted(order) or figures != drawn else 0)

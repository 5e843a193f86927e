"""figure_libreoffice_test.py BISECTORS: `bisectors --svg` in a Writer document, converted
to PDF by headless LibreOffice, which drops labels it cannot draw: all must be in the PDF."""
import base64
import re
import subprocess
import sys
import tempfile

DOCUMENT = '''<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:body><office:text><text:p><draw:frame text:anchor-type="as-char" svg:width="12cm"
 svg:height="9cm"><draw:image draw:mime-type="image/svg+xml"><office:binary-data>{}
</office:binary-data></draw:image></draw:frame></text:p></office:text></office:body>
</office:document>'''

# Altitudes of an obtuse triangle: feet beyond the sides, lengths with commas.
svg = subprocess.run([sys.argv[1], '--heights', '4', '5', '10', '--svg'], check=True,
                     capture_output=True, env={'LC_ALL': 'bg_BG.UTF-8'}).stdout
labels = re.findall(r'<text [^>]*>([^<]+)</text>', svg.decode())
with tempfile.TemporaryDirectory() as work:
    with open(f'{work}/figure.fodt', 'w', encoding='utf-8') as document:
        document.write(DOCUMENT.format(base64.b64encode(svg).decode()))
    subprocess.run(['soffice', f'-env:UserInstallation=file://{work}/profile', '--headless',
                    '--convert-to', 'pdf', '--outdir', work, f'{work}/figure.fodt'],
                   check=True, capture_output=True, timeout=240)
    words = subprocess.run(['pdftotext', f'{work}/figure.pdf', '-'], check=True,
                           capture_output=True, text=True).stdout.split()
text = ' ' + ' '.join(words) + ' '
missing = [label for label in labels if f' {" ".join(label.split())} ' not in text]
print(f'{len(labels)} labels, missing in the PDF: {missing}')
sys.exit(1 if missing or len(labels) < 9 else 0)

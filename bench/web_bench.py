#!/usr/bin/python3
"""Times the web page in headless Chromium, opened from file://: from the start of the
navigation to the first input box having the focus (the page is interactive, its model
loaded), over fresh loads on a desktop's screen (1280 x 800) and on a phone's (360 x 740,
where the page flows); and one report, as the model's calculation alone (the first calls,
while the engine still compiles, and later ones) and as a click on "Изчисли" up to the
new text in the result box.

web_bench.py PAGE [LOADS]"""
import os
import statistics
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
import browser  # noqa: E402

page = os.path.abspath(sys.argv[1])
loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20

MARKS = '''
    return [performance.getEntriesByName('bisectors-interactive')[0]?.startTime,
            document.activeElement.id];'''

REPORTS = '''
    const [rounds, calls, clicks] = arguments;
    const wasm = Uint8Array.from(atob(document.getElementById('core').textContent),
                                 (c) => c.charCodeAt(0));
    const model = LoadModel(wasm)('.');
    model.selectKind(2);
    ['3', '4', '5'].forEach((text, k) => model.setInput(k, text));
    const round = [];
    for (let r = 0; r < rounds; ++r) {
        const start = performance.now();
        for (let i = 0; i < calls; ++i) {
            model.calculate();
            model.result();
        }
        round.push((performance.now() - start) / calls);
        await new Promise((done) => setTimeout(done, 50)); // time for compiling in the background
    }

    document.getElementById('Option1_2').click();
    ['3', '4', '5'].forEach((text, k) => {
        const input = document.getElementById(`Text2_${k}`);
        input.value = text;
        input.dispatchEvent(new Event('input'));
    });
    const result = document.getElementById('Text1_0');
    const button = document.getElementById('Command1_0');
    const start = performance.now();
    for (let i = 0; i < clicks; ++i) {
        result.textContent = '';
        button.click();
        while (result.textContent === '')
            await null;
    }
    return [round, (performance.now() - start) / clicks];'''

SCREENS = (('desktop', 1280, 800), ('phone', 360, 740))

chromium = browser.launch('chromium')
try:
    times = {}
    for name, width, height in SCREENS:
        interactive = []
        for _ in range(loads):
            chromium.open('file://' + page, width, height)
            focused, active = chromium.run(MARKS)
            assert active == 'Text2_0', active
            interactive.append(focused)
        times[name] = interactive
    chromium.open('file://' + page)
    rounds, click = chromium.run(
        f'return (async () => {{ {REPORTS} }})(...arguments)', 10, 10000, 2000)
finally:
    chromium.quit()

print(f'{loads} loads from file://, median (min-max) from navigation start:')
for name, width, height in SCREENS:
    interactive = times[name]
    print(f'  {name} ({width} x {height}): first input focused '
          f'{statistics.median(interactive):6.1f} ms ({min(interactive):.1f}-{max(interactive):.1f})')
print('one report (medians 3, 4, 5), the model\'s calculation and its text, from JavaScript:')
print(f'  first 10000 calls:   {rounds[0] * 1000:6.2f} µs each (while the engine compiles)')
print(f'  later rounds:        {statistics.median(rounds[1:]) * 1000:6.2f} µs each, median '
      f'({min(rounds[1:]) * 1000:.2f}-{max(rounds[1:]) * 1000:.2f})')
print(f'a click on Изчисли up to the new text in the result box: {click * 1000:.0f} µs')

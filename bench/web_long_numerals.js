// Times the web page's core on the lines of bench/long_numerals --lines: for each, the
// work of one press of "Изчисли" (the report, the figure, its description, the exact
// values and the worked solution, as page.js asks for them), the least of a few runs; and
// the answer key and students' sheet of a list of them all, as the teacher's part makes
// them.
// bench/long_numerals --lines | node bench/web_long_numerals.js CORE_WASM web/model.js [RUNS]
'use strict';
const fs = require('fs');

const [wasm, modelJs, runs = '3'] = process.argv.slice(2);
const { LoadModel } = require(require('path').resolve(modelJs));
const createModel = LoadModel(fs.readFileSync(wasm));
const model = createModel('.');
const kinds = { heights: 0, sides: 1, medians: 2 };

const least = (work) => {
    let best = Infinity;
    for (let r = 0; r < Number(runs); ++r) {
        const start = process.hrtime.bigint();
        work();
        best = Math.min(best, Number(process.hrtime.bigint() - start) / 1e6);
    }
    return best;
};

const lines = fs
    .readFileSync(0, 'utf8')
    .split('\n')
    .filter((line) => line.trim());
const lists = [[], [], []];
for (const line of lines) {
    const [kind, where, ...numbers] = line.trim().split(/\s+/);
    lists[kinds[kind]].push(numbers.join(' '));
    let result = '';
    const time = least(() => {
        model.selectKind(kinds[kind]);
        numbers.forEach((text, k) => model.setInput(k, text));
        model.calculate();
        result = model.result();
        model.figure(300, 300);
        model.figureDescription();
        model.exactValues();
        model.solution();
        model.solutionText();
    });
    const digits = numbers[1].replace(/[^0-9]/g, '').length;
    const said = result.split('\r\n')[0];
    console.log(
        `${String(digits).padStart(7)} ${kind.padEnd(8)} ${where.padEnd(6)} ${time
            .toFixed(1)
            .padStart(9)} ms  ${said}`,
    );
}
for (const [kind, list] of lists.entries()) {
    if (list.length === 0) continue;
    const text = list.join('\n');
    for (const sheet of [false, true]) {
        const time = least(() => createModel.teacher.page(kind, text, sheet, '.'));
        console.log(
            `list of ${list.length} ${Object.keys(kinds)[kind]}, ${
                sheet ? 'sheet' : 'key'
            }: ${time.toFixed(1)} ms`,
        );
    }
}

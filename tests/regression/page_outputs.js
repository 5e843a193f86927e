// Every output of the page's core for the triples of the regression lists, under "." and
// ",": the report, the figure and its description, the exact values as text and as MathML,
// the worked solution as MathML and as text; and the teacher's part: the exercises, the
// sheet and the key whole and in parts, and the document's parts; and of the triples of
// elements, what the part "Триъгълник по три елемента" shows. Held against the digests
// of page_outputs.tsv, as outputs.py holds the command line's.
// node page_outputs.js CORE_WASM MODEL_JS [--update]
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [wasm, modelJs, ...flags] = process.argv.slice(2);
const update = flags.includes('--update');
const { LoadModel } = require(modelJs);
const createModel = LoadModel(fs.readFileSync(wasm));
const table = path.join(__dirname, 'page_outputs.tsv');
const kinds = ['heights', 'sides', 'medians'];
const digest = (parts) => {
    const hash = crypto.createHash('sha256');
    for (const part of parts) hash.update(part).update('\0');
    return hash.digest('hex').slice(0, 32);
};

const outputs = new Map();
for (const separator of ['.', ',']) {
    const model = createModel(separator);
    const name = separator === '.' ? 'point' : 'comma';
    kinds.forEach((kind, k) => {
        const lines = fs.readFileSync(path.join(__dirname, `${kind}.txt`), 'utf8').split('\n');
        const triples = lines.filter((l) => l && !l.startsWith('#')).map((l) => l.split(' '));
        for (const triple of triples) {
            if (triple.length !== 3) continue;
            model.load();
            model.selectKind(k);
            triple.forEach((text, i) => model.setInput(i, text));
            model.calculate();
            outputs.set(`${kind}-${triple.join('_')}-${name}`, [
                model.result(),
                model.announcement(),
                model.figure(480, 360),
                model.figureDescription(),
                model.exactValues(),
                model.exactMathMl(),
                model.solution(),
                model.solutionText(),
            ]);
        }
        const teacher = createModel.teacher;
        for (const level of [1, 2, 3]) {
            const r = { kind: k, count: 12, impossible: 3, level, variants: 2, seed: '7' };
            const list = teacher.exercises(r, separator);
            const parts = [teacher.problem(r), list];
            for (const sheet of [false, true]) {
                parts.push(teacher.page(k, list, sheet, separator), String(teacher.tasks()));
                const next = teacher.pageInParts(k, list, sheet, separator);
                for (let part = next(); part !== null; part = next()) parts.push(part);
                for (const p of teacher.document(k, list, sheet, separator))
                    parts.push(p.name, Buffer.from(p.bytes));
            }
            outputs.set(`${kind}-teacher-level${level}-${name}`, parts);
        }
    });
    // The part "Триъгълник по три елемента": of each triple of the command line's list, the
    // verdict and every text and figure the page shows.
    const given = createModel.given;
    for (const line of fs.readFileSync(path.join(__dirname, 'givens.txt'), 'utf8').split('\n')) {
        const words = line.startsWith('#') ? [] : line.split(' ');
        if (words.length !== 3 || !words.every((w) => w.includes('='))) continue;
        const givens = words.map((w) => [w.slice(0, w.indexOf('=')), w.slice(w.indexOf('=') + 1)]);
        const parts = [String(given.solve(givens, separator)), given.summary()];
        for (let k = 0; k < given.triangles(); ++k)
            parts.push(
                given.heading(k),
                given.triangle(k),
                given.exact(k),
                given.figure(k, 460, 345),
                given.figureDescription(k),
            );
        parts.push(given.noExactValues());
        outputs.set(`given-${words.join('_')}-${name}`, parts);
    }
}

const kept = new Map();
if (fs.existsSync(table))
    for (const line of fs.readFileSync(table, 'utf8').split('\n'))
        if (line && !line.startsWith('#')) kept.set(...line.split('\t'));
const differ = [];
const rows = ["# name\tdigest: the page core's outputs (page_outputs.js)"];
for (const [name, parts] of outputs) {
    const got = digest(parts);
    if (kept.get(name) !== got) differ.push(`${name}: ${got}, kept ${kept.get(name) || '(none)'}`);
    rows.push(`${name}\t${got}`);
}
if (update) {
    fs.writeFileSync(table, rows.join('\n') + '\n');
    console.log(`${outputs.size} outputs, ${differ.length} digests rewritten`);
} else {
    differ.forEach((d) => console.log(d));
    console.log(`${outputs.size} outputs, ${differ.length} differ`);
    process.exitCode = differ.length === 0 && outputs.size > 0 ? 0 : 1;
}

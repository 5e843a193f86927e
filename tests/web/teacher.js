// The teacher's part of the page makes what the command line makes: for each request the
// same exercises from the same seed, and for the list the same students' sheet and answer
// key, byte for byte but for the figures' coordinates, within a billionth (the two
// mathematical libraries differ in the last bit of a sine). Of the documents for Word and
// Writer, the same parts in the same order, each the same but for the figures' coordinates,
// whole English Metric Units that may round apart by one, and the .docx that docx.js packs
// of them a zip archive of those parts.
// node teacher.js BISECTORS CORE_WASM MODEL_JS DOCX_JS (fflate on NODE_PATH)
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const { unzipSync } = require('fflate');

const [bisectors, wasm, modelJs, docxJs] = process.argv.slice(2);
const { LoadModel } = require(modelJs);
const { PackDocx } = require(docxJs);
const { teacher } = LoadModel(fs.readFileSync(wasm));
const kinds = ['--heights', '--sides', '--medians', '--given'];
// The command line in the locale whose decimal separator the page takes.
const locales = { '.': 'C.UTF-8', ',': 'bg_BG.UTF-8' };
const native = (args, separator, encoding = 'utf8') =>
    execFileSync(bisectors, args, {
        encoding,
        maxBuffer: 1 << 26,
        env: { ...process.env, LC_ALL: locales[separator] },
    });
const decoder = new TextDecoder();

// [kind, count, impossible, level, variants, seed, decimal separator]
const requests = [
    [0, 12, 3, 2, 1, '7', '.'],
    [1, 10, 2, 2, 1, '2026', '.'],
    [2, 8, 8, 2, 1, '18446744073709551615', '.'],
    [1, 200, 0, 2, 1, '999999', '.'],
    [0, 6, 1, 1, 3, '11', '.'],
    [1, 5, 2, 3, 4, '12345', ','],
    [2, 7, 0, 1, 2, '3', '.'],
    [2, 4, 1, 3, 1, '0', ','],
    [3, 10, 4, 1, 1, '7', '.'],
    [3, 8, 2, 2, 2, '2026', ','],
    [3, 9, 3, 3, 1, '5', '.'],
];
const asked = ([kind, count, impossible, level, variants, seed, separator]) => ({
    kind,
    count,
    impossible,
    level,
    variants,
    seed,
    separator,
});
let failures = 0;
const documents = []; // [what, kind, list, command line, separator] of the documents to compare
const alike = (page, line) => {
    const number = /-?\d+\.\d+/g;
    const [a, b] = [page.match(number) || [], line.match(number) || []];
    return (
        page.replace(number, '#') === line.replace(number, '#') &&
        a.every((x, k) => Math.abs(x - b[k]) <= 1e-9 * Math.max(1, Math.abs(x)))
    );
};
const expect = (what, page, line) => {
    if (alike(page, line)) return;
    console.error(`${what}: the page and the command line differ`);
    failures += 1;
};
for (const row of requests) {
    const r = asked(row);
    const what = `${kinds[r.kind]} ${r.count}, ${r.impossible} impossible, level ${r.level}, ${r.variants} variants, seed ${r.seed}, "${r.separator}"`;
    const args = [
        '--generate',
        String(r.count),
        kinds[r.kind],
        '--impossible',
        String(r.impossible),
        '--level',
        String(r.level),
        '--variants',
        String(r.variants),
        '--seed',
        r.seed,
    ];
    const list = teacher.exercises(r, r.separator);
    expect(`${what}: exercises`, list, native(args, r.separator));
    expect(
        `${what}: sheet`,
        teacher.page(r.kind, list, true, r.separator),
        native([...args, '--html', '--sheet'], r.separator),
    );
    expect(
        `${what}: key`,
        teacher.page(r.kind, list, false, r.separator),
        native([...args, '--html'], r.separator),
    );
    if (r.variants > 1 && (list.match(/^# Вариант /gm) || []).length !== r.variants) {
        console.error(`${what}: not ${r.variants} variants`);
        failures += 1;
    }
    if (r.count <= 12) documents.push([what, r.kind, list, args, r.separator]);
}
// Requests the command line refuses, the page refuses too, saying why.
for (const row of [
    [1, 0, 0, 2, 1, '1'],
    [0, 5, 6, 2, 1, '1'],
    [2, 5, 1, 2, 1, '-1'],
    [2, 5, 1, 2, 1, 'x'],
    [1, 5, 0, 0, 1, '1'],
    [1, 5, 0, 4, 1, '1'],
    [1, 5, 0, 2, 5, '1'],
    [1, 5, 0, 2, 0, '1'],
    [1, 200, 0, 1, 4, '1'],
    [3, 200, 0, 1, 4, '1'],
    [4, 5, 0, 2, 1, '1'],
]) {
    const r = asked(row);
    if (teacher.problem(r) === '' || teacher.exercises(r, '.') !== '') {
        console.error(`${JSON.stringify(r)}: not refused`);
        failures += 1;
    }
}
// Texts alike but for attributes' whole numbers one apart: the drawings' lengths in English
// Metric Units, rounded from coordinates that differ in the last bit.
const alikeDrawn = (page, line) => {
    const number = /(?<=")-?\d+(?=")/g;
    const [a, b] = [page.match(number) || [], line.match(number) || []];
    return (
        page.replace(number, '#') === line.replace(number, '#') &&
        a.length === b.length &&
        a.every((x, k) => Math.abs(x - b[k]) <= 1)
    );
};
const compareDocuments = async () => {
    for (const [what, kind, list, args, separator] of documents)
        for (const sheet of [true, false]) {
            const name = `${what}: ${sheet ? 'sheet' : 'key'} for Word and Writer`;
            const command = native(
                [...args, '--docx', ...(sheet ? ['--sheet'] : [])],
                separator,
                'buffer',
            );
            const expected = unzipSync(new Uint8Array(command));
            const parts = teacher.document(kind, list, sheet, separator);
            const names = parts.map((part) => part.name);
            if (names.join() !== Object.keys(expected).join()) {
                console.error(`${name}: parts ${names} for ${Object.keys(expected)}`);
                failures += 1;
                continue;
            }
            for (const part of parts) {
                const bytes = expected[part.name];
                const [made, packed] = [decoder.decode(part.bytes), decoder.decode(bytes)];
                if (!alikeDrawn(made, packed)) expect(`${name}: ${part.name}`, made, packed);
            }
            // Packed: the same parts.
            const packed = unzipSync(await PackDocx(parts));
            const same = parts.every((part) => Buffer.from(packed[part.name]).equals(part.bytes));
            if (!same || Object.keys(packed).join() !== names.join()) {
                console.error(`${name}: packed not as made`);
                failures += 1;
            }
        }
};
compareDocuments().then(() => {
    console.log(`${requests.length} requests, ${documents.length} documents, ${failures} failures`);
    process.exitCode = failures === 0 ? 0 : 1;
});

// The teacher's part of the page makes what the command line makes: for each request the
// same exercises from the same seed, and for the list the same students' sheet and answer
// key, byte for byte but for the figures' coordinates, within a billionth (the two
// mathematical libraries differ in the last bit of a sine).
// node teacher.js BISECTORS CORE_WASM MODEL_JS
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');

const [bisectors, wasm, modelJs] = process.argv.slice(2);
const { LoadModel } = require(modelJs);
const { teacher } = LoadModel(fs.readFileSync(wasm));
const kinds = ['--heights', '--sides', '--medians'];
const native = (args) =>
    execFileSync(bisectors, args, {
        encoding: 'utf8',
        maxBuffer: 1 << 26,
        env: { ...process.env, LC_ALL: 'C.UTF-8' },
    });

// [kind, count, impossible, level, variants, seed]
const requests = [
    [0, 12, 3, 2, 1, '7'],
    [1, 10, 2, 2, 1, '2026'],
    [2, 8, 8, 2, 1, '18446744073709551615'],
    [1, 200, 0, 2, 1, '999999'],
    [0, 6, 1, 1, 3, '11'],
    [1, 5, 2, 3, 4, '12345'],
    [2, 7, 0, 1, 2, '3'],
    [2, 4, 1, 3, 1, '0'],
];
const asked = ([kind, count, impossible, level, variants, seed]) => ({
    kind,
    count,
    impossible,
    level,
    variants,
    seed,
});
let failures = 0;
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
    const what = `${kinds[r.kind]} ${r.count}, ${r.impossible} impossible, level ${r.level}, ${r.variants} variants, seed ${r.seed}`;
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
    const list = teacher.exercises(r, '.');
    expect(`${what}: exercises`, list, native(args));
    expect(
        `${what}: sheet`,
        teacher.page(r.kind, list, true, '.'),
        native([...args, '--html', '--sheet']),
    );
    expect(`${what}: key`, teacher.page(r.kind, list, false, '.'), native([...args, '--html']));
    if (r.variants > 1 && (list.match(/^# Вариант /gm) || []).length !== r.variants) {
        console.error(`${what}: not ${r.variants} variants`);
        failures += 1;
    }
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
]) {
    const r = asked(row);
    if (teacher.problem(r) === '' || teacher.exercises(r, '.') !== '') {
        console.error(`${JSON.stringify(r)}: not refused`);
        failures += 1;
    }
}
console.log(`${requests.length} requests, ${failures} failures`);
process.exitCode = failures === 0 ? 0 : 1;

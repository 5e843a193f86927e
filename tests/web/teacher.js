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

// [kind, count, impossible, seed]
const requests = [
    [0, 12, 3, '7'],
    [1, 10, 2, '2026'],
    [2, 8, 8, '18446744073709551615'],
    [1, 200, 0, '999999'],
];
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
for (const [kind, count, impossible, seed] of requests) {
    const what = `${kinds[kind]} ${count}, ${impossible} impossible, seed ${seed}`;
    const args = [
        '--generate',
        String(count),
        kinds[kind],
        '--impossible',
        String(impossible),
        '--seed',
        seed,
    ];
    const list = teacher.exercises(kind, count, impossible, seed, '.');
    expect(`${what}: exercises`, list, native(args));
    expect(
        `${what}: sheet`,
        teacher.page(kind, list, true, '.'),
        native([...args, '--html', '--sheet']),
    );
    expect(`${what}: key`, teacher.page(kind, list, false, '.'), native([...args, '--html']));
}
// Requests the command line refuses, the page refuses too, saying why.
for (const [kind, count, impossible, seed] of [
    [1, 0, 0, '1'],
    [0, 5, 6, '1'],
    [2, 5, 1, '-1'],
    [2, 5, 1, 'x'],
]) {
    if (
        teacher.problem(kind, count, impossible, seed) === '' ||
        teacher.exercises(kind, count, impossible, seed, '.') !== ''
    ) {
        console.error(
            `${kinds[kind]} ${count}, ${impossible} impossible, seed ${seed}: not refused`,
        );
        failures += 1;
    }
}
console.log(`${requests.length} requests, ${failures} failures`);
process.exitCode = failures === 0 ? 0 : 1;

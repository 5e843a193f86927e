// The part "Триъгълник по три елемента" against the command line: every row of the table,
// its elements chosen and its values typed into the page's core under Node, must give
// exactly what `bisectors --given --exact` prints for the same words, in a locale of "."
// and in one of ",", the page's parts put together in the order the page shows them: and
// the same verdict (triangles, none, no triple). Each triangle has a figure.
// node given_differential.js BISECTORS CORE_WASM MODEL_JS GIVENS_TXT
'use strict';
const { spawnSync } = require('child_process');
const fs = require('fs');

const [bisectors, wasm, modelJs, givensTxt] = process.argv.slice(2);
const { LoadModel } = require(modelJs);
const given = LoadModel(fs.readFileSync(wasm)).given;

// The command line's list of triples, and what only the choosers make: an element chosen
// twice, a value left empty, values with the comma, a value of spaces around it.
const rows = fs
    .readFileSync(givensTxt, 'utf8')
    .split('\n')
    .filter((line) => line && !line.startsWith('#'))
    .concat([
        'a=5 a=7 gamma=60',
        'a= b=7 gamma=60',
        'a=5 b=7 gamma=',
        'a=1,5 b=2,5 c=3,5',
        'la=2,4 lb=2,5 lc=2,6',
        'r=1 R=2,5 a=3',
        'S=6 P=12 R=2,5',
        'alpha=0 b=1 c=1',
        'a=-1 b=1 c=1',
        'a=5 b=abc gamma=60',
    ])
    .map((line) => line.split(' '))
    .filter((words) => words.length === 3 && words.every((w) => w.includes('=')));

const locales = [
    ['C.UTF-8', '.'],
    ['bg_BG.UTF-8', ','],
];
let differing = 0;
let triangles = 0;
for (const [locale, separator] of locales)
    for (const words of rows) {
        const run = spawnSync(bisectors, ['--given', '--exact', ...words], {
            encoding: 'utf8',
            env: { ...process.env, LC_ALL: locale },
        });
        const givens = words.map((w) => [
            w.slice(0, w.indexOf('=')),
            ` ${w.slice(w.indexOf('=') + 1)} `,
        ]);
        const status = given.solve(givens, separator);
        let page = given.summary();
        for (let k = 0; k < given.triangles(); ++k) {
            page += given.heading(k) + given.triangle(k) + given.exact(k);
            if (!given.figure(k, 460, 345).startsWith('<?xml')) {
                console.error(`${words.join(' ')}: triangle ${k + 1} has no figure`);
                ++differing;
            }
            ++triangles;
        }
        page += given.noExactValues();
        // Of no triple, the command line says what is wrong on standard error, after its name.
        const native = (status === 0 ? run.stdout : run.stderr).replace(/^bisectors: /, '');
        if (page !== native || run.status !== status) {
            ++differing;
            if (differing <= 10) {
                console.error(
                    `${words.join(' ')} in ${locale}: status ${run.status}, page ${status}`,
                );
                console.error(`  command line: ${JSON.stringify(native)}`);
                console.error(`  page:         ${JSON.stringify(page)}`);
            }
        }
    }
console.log(
    `${rows.length} rows in ${locales.length} locales (${triangles} triangles), ${differing} differ`,
);
process.exitCode = differing === 0 && triangles > 0 ? 0 : 1;

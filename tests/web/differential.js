// The same core: every case that report_cases prints, through the WebAssembly module
// under Node, must give exactly the report text of the native library.
// node differential.js REPORT_CASES COUNT CORE_WASM CORE_JS
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');

const [runner, count, wasm, coreJs] = process.argv.slice(2);
const { LoadCore } = require(coreJs);
const cases = execFileSync(runner, [count], { encoding: 'utf8', maxBuffer: 1 << 28 })
    .split('\n')
    .filter((line) => line)
    .map((line) => JSON.parse(line));

LoadCore(fs.readFileSync(wasm)).then((report) => {
    const differing = cases.filter((c) => report(c.kind, c.inputs, c.separator) !== c.report);
    for (const c of differing.slice(0, 10)) {
        console.error(`${c.name}: ${JSON.stringify(c.inputs)} in kind ${c.kind}`);
        console.error(`  native:      ${JSON.stringify(c.report)}`);
        console.error(`  WebAssembly: ${JSON.stringify(report(c.kind, c.inputs, c.separator))}`);
    }
    const reports = cases.filter((c) => c.report.includes('\r\n')).length;
    console.log(`${cases.length} cases (${reports} reports), ${differing.length} differ`);
    process.exitCode = differing.length === 0 && reports > 0 ? 0 : 1;
});

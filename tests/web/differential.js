// The same core behind the same model: every case that report_cases prints, typed into
// the WebAssembly model under Node (kind chosen, inputs set, "Изчисли"), must give
// exactly the report text of the native library.
// node differential.js REPORT_CASES COUNT CORE_WASM MODEL_JS
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');

const [runner, count, wasm, modelJs] = process.argv.slice(2);
const { LoadModel } = require(modelJs);
const cases = execFileSync(runner, [count], { encoding: 'utf8', maxBuffer: 1 << 28 })
    .split('\n')
    .filter((line) => line)
    .map((line) => JSON.parse(line));

const createModel = LoadModel(fs.readFileSync(wasm));
const models = new Map(); // one per separator, reused: a report depends on nothing earlier
const report = (c) => {
    if (!models.has(c.separator)) models.set(c.separator, createModel(c.separator));
    const model = models.get(c.separator);
    model.load();
    model.selectKind(c.kind);
    c.inputs.forEach((text, k) => model.setInput(k, text));
    model.calculate();
    return model.result();
};
const differing = cases.filter((c) => report(c) !== c.report);
for (const c of differing.slice(0, 10)) {
    console.error(`${c.name}: ${JSON.stringify(c.inputs)} in kind ${c.kind}`);
    console.error(`  native:      ${JSON.stringify(c.report)}`);
    console.error(`  WebAssembly: ${JSON.stringify(report(c))}`);
}
const reports = cases.filter((c) => c.report.includes('\r\n')).length;
console.log(`${cases.length} cases (${reports} reports), ${differing.length} differ`);
process.exitCode = differing.length === 0 && reports > 0 ? 0 : 1;

// The calculation core, calc/ compiled to WebAssembly (report.cpp), as one function:
// the report for an input kind (0 altitudes, 1 sides, 2 medians), the three input texts
// and the decimal separator, exactly as calc::Calculate writes it into the window's
// result box, lines ended by CR LF. Loaded by the page and by the tests under Node.
'use strict';

async function LoadCore(wasm) {
    const { instance } = await WebAssembly.instantiate(wasm, {
        env: { emscripten_notify_memory_growth() {} },
        wasi_snapshot_preview1: {
            proc_exit(status) {
                throw new Error(`the calculation core stopped (${status})`);
            },
        },
    });
    const core = instance.exports;
    core._initialize();
    const decoder = new TextDecoder();
    // A text as UTF-8 and a final NUL, written straight into the module's memory at `at`
    // (no TextEncoder: a call of it costs more than the whole report in Chromium).
    const put = (memory, at, text) => {
        for (const character of text) {
            let c = character.codePointAt(0);
            if (c >= 0xd800 && c < 0xe000)
                c = 0xfffd; // a lone surrogate
            if (c < 0x80) {
                memory[at++] = c;
            } else {
                const continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
                memory[at++] = [0, 0xc0, 0xe0, 0xf0][continuations] | (c >> (6 * continuations));
                for (let k = continuations - 1; k >= 0; --k)
                    memory[at++] = 0x80 | ((c >> (6 * k)) & 0x3f);
            }
        }
        memory[at++] = 0;
        return at;
    };
    return (kind, inputs, separator) => {
        const texts = [...inputs, separator];
        // At most three bytes for each UTF-16 unit, and the NUL.
        const block = core.malloc(texts.reduce((size, text) => size + 3 * text.length + 1, 0));
        let memory = new Uint8Array(core.memory.buffer);
        const addresses = [];
        let at = block;
        for (const text of texts) {
            addresses.push(at);
            at = put(memory, at, text);
        }
        const report = core.BisectorsReport(kind, ...addresses);
        core.free(block);
        memory = new Uint8Array(core.memory.buffer); // it may have grown
        return decoder.decode(memory.subarray(report, memory.indexOf(0, report)));
    };
}

if (typeof module !== 'undefined') module.exports = { LoadCore };

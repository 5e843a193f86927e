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
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    const cString = (text) => {
        const bytes = encoder.encode(text);
        const address = core.malloc(bytes.length + 1);
        const memory = new Uint8Array(core.memory.buffer, address, bytes.length + 1);
        memory.set(bytes);
        memory[bytes.length] = 0;
        return address;
    };
    return (kind, inputs, separator) => {
        const strings = [...inputs, separator].map(cString);
        const report = core.BisectorsReport(kind, ...strings);
        strings.forEach((address) => core.free(address));
        const memory = new Uint8Array(core.memory.buffer); // it may have grown
        return decoder.decode(memory.subarray(report, memory.indexOf(0, report)));
    };
}

if (typeof module !== 'undefined') module.exports = { LoadCore };

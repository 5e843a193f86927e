// The behaviour model (model/calculator.h), the calculation core, the figure and the worked
// solution, compiled to WebAssembly (model_entry.cpp), as a JavaScript object per model: its
// actions, its state, and the figure and the working of its solution, with texts as
// JavaScript strings. Loaded by the page and by the tests under Node.
'use strict';

// Instantiates the module from its bytes; returns a function that makes a model for a
// decimal separator, with the teacher's part of the core as its `teacher`. Synchronous:
// the module is small, and the page is then whole at once.
function LoadModel(wasm) {
    const instance = new WebAssembly.Instance(new WebAssembly.Module(wasm), {
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
    const bytes = () => new Uint8Array(core.memory.buffer); // anew: memory may grow
    const text = (address) => {
        const memory = bytes();
        return decoder.decode(memory.subarray(address, memory.indexOf(0, address)));
    };
    // The same text as UTF-8 bytes, a copy.
    const utf8 = (address) => {
        const memory = bytes();
        return memory.slice(address, memory.indexOf(0, address));
    };
    // Calls `use` with a copy of `value` as UTF-8 and a final NUL in the module's memory,
    // written directly (a TextEncoder call costs more than a whole report in Chromium).
    const withText = (value, use) => {
        const address = core.malloc(3 * value.length + 1);
        let at = address;
        const memory = bytes();
        for (const character of value) {
            let c = character.codePointAt(0);
            if (c >= 0xd800 && c < 0xe000) c = 0xfffd; // a lone surrogate
            if (c < 0x80) {
                memory[at++] = c;
            } else {
                const continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
                memory[at++] = [0, 0xc0, 0xe0, 0xf0][continuations] | (c >> (6 * continuations));
                for (let k = continuations - 1; k >= 0; --k)
                    memory[at++] = 0x80 | ((c >> (6 * k)) & 0x3f);
            }
        }
        memory[at] = 0;
        try {
            return use(address);
        } finally {
            core.free(address);
        }
    };

    const createModel = (separator) => {
        const model = withText(separator, (address) => core.ModelCreate(address));
        return {
            load: () => core.ModelLoad(model),
            selectKind: (kind) => core.ModelSelectKind(model, kind),
            setInput: (index, value) =>
                withText(value, (address) => core.ModelSetInput(model, index, address)),
            calculate: () => core.ModelCalculate(model),
            clear: () => core.ModelClear(model),
            kind: () => core.ModelKind(model),
            label: (index) => text(core.ModelLabel(model, index)),
            input: (index) => text(core.ModelInput(model, index)),
            result: () => text(core.ModelResult(model)),
            focusRequests: () => core.ModelFocusRequests(model),
            announcements: () => core.ModelAnnouncements(model),
            announcement: () => text(core.ModelAnnouncement(model)),
            // The figure of what the result reports (an SVG document of the given size,
            // empty when it reports no triangle) and the figure read out in words.
            figure: (width, height) => text(core.ModelFigure(model, width, height)),
            figureDescription: () => text(core.ModelFigureDescription(model)),
            // The exact values of the solution, a line each after a heading, or ''.
            exactValues: () => text(core.ModelExactValues(model)),
            // The same as HTML with MathML, a formula a row, or ''.
            exactMathMl: () => text(core.ModelExactMathMl(model)),
            // The worked solution as HTML with MathML, and as plain text, or ''.
            solution: () => text(core.ModelSolution(model)),
            solutionText: () => text(core.ModelSolutionText(model)),
        };
    };
    // The teacher's part: why a request for exercises cannot be met ('' when it can), and
    // the exercises it asks for, as the command line's --generate writes them. A request:
    // { kind (0 altitudes, 1 sides, 2 medians), count, impossible, level (1 to 3), variants
    // (1 to 4), seed (a string of digits) }. And the printable page of a list, the students'
    // sheet or the answer key, as its --html (--sheet) writes it, and how many tasks it has:
    // whole, or as a function that gives the page's next part at each call, a task at a time
    // (at most some tens of milliseconds each), and null once the page is whole (one page is
    // made in parts at a time: beginning another ends it);
    // and the same as a document for Word and Writer, as its --docx (--sheet) makes it, in
    // parts: { name, bytes (UTF-8) }, the figures drawings in the main part.
    const request = (r, use) =>
        withText(r.seed, (seed) => use(r.kind, r.count, r.impossible, r.level, r.variants, seed));
    createModel.teacher = {
        problem: (r) => request(r, (...args) => text(core.TeacherProblem(...args))),
        exercises: (r, separator) =>
            withText(separator, (address) =>
                request(r, (...args) => text(core.TeacherExercises(...args, address))),
            ),
        page: (kind, list, sheet, separator) =>
            withText(list, (listAddress) =>
                withText(separator, (address) =>
                    text(core.TeacherPage(kind, listAddress, sheet ? 1 : 0, address)),
                ),
            ),
        pageInParts: (kind, list, sheet, separator) => {
            const begun = withText(list, (listAddress) =>
                withText(separator, (address) =>
                    core.TeacherPageBegin(kind, listAddress, sheet ? 1 : 0, address),
                ),
            );
            let done = !begun;
            return () => {
                if (done) return null;
                const part = text(core.TeacherPageNext());
                done = part === '';
                return done ? null : part;
            };
        },
        tasks: () => core.TeacherTasks(),
        document: (kind, list, sheet, separator) =>
            withText(list, (listAddress) =>
                withText(separator, (address) =>
                    Array.from(
                        { length: core.TeacherDocument(kind, listAddress, sheet ? 1 : 0, address) },
                        (_, k) => ({
                            name: text(core.TeacherDocumentName(k)),
                            bytes: utf8(core.TeacherDocumentText(k)),
                        }),
                    ),
                ),
            ),
    };
    // The part "Триъгълник по три елемента" (given_entry.cpp): three givens, each
    // [name, value as typed], solved with a decimal separator: 0 for triangles (or
    // infinitely many), 1 for none, 2 for givens that are no triple. Then what comes before
    // the triangles, and of each triangle its heading ('' for the only one), its lines, its
    // exact values, its figure (an SVG document of the given size) and the figure in words;
    // and the line after them. Each is a part of what `bisectors --given --exact` prints,
    // in that order.
    const withTexts = (values, use, taken = []) =>
        values.length === 0
            ? use(...taken)
            : withText(values[0], (address) =>
                  withTexts(values.slice(1), use, [...taken, address]),
              );
    createModel.given = {
        solve: (givens, separator) =>
            withTexts([separator, ...givens.flat()], (...addresses) =>
                core.GivenSolve(...addresses),
            ),
        summary: () => text(core.GivenSummary()),
        triangles: () => core.GivenTriangles(),
        heading: (k) => text(core.GivenHeading(k)),
        triangle: (k) => text(core.GivenTriangle(k)),
        exact: (k) => text(core.GivenExact(k)),
        noExactValues: () => text(core.GivenNoExactValues()),
        figure: (k, width, height) => text(core.GivenFigure(k, width, height)),
        figureDescription: (k) => text(core.GivenFigureDescription(k)),
    };
    return createModel;
}

if (typeof module !== 'undefined') module.exports = { LoadModel };

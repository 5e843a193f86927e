// The part for teachers ("За учителя", teacher_html.cpp) as a view of the core's teacher
// functions (model.js): exercises made from a seed into the list, and the list's students'
// sheet or answer key shown in a frame, to print or to keep as a file. The printed pages
// are the command line's, and need no script.
'use strict';

// Binds the part's controls; page.js calls it with the core's teacher functions and the
// decimal separator of the page's numbers.
function BindTeacher(teacher, separator) {
    const element = (name) => document.getElementById(`teacher-${name}`);
    const [count, impossible, variants, seed, status, list] = [
        'count',
        'impossible',
        'variants',
        'seed',
        'status',
        'list',
    ].map(element);
    const printout = element('printout');
    const preview = element('preview');
    const download = element('download');
    const chosen = (name) => Number(document.querySelector(`input[name="${name}"]:checked`).value);
    const kind = () => chosen('teacher-kind');
    let address = '';

    element('generate').addEventListener('click', () => {
        // Without a seed of the teacher's, a fresh one, which the list's first line keeps
        // so that the same list can be made again.
        const request = {
            kind: kind(),
            count: count.valueAsNumber,
            impossible: impossible.valueAsNumber,
            level: chosen('teacher-level'),
            variants: Number(variants.value),
            seed:
                seed.value.trim() ||
                String(1 + (crypto.getRandomValues(new Uint32Array(1))[0] % 999999)),
        };
        const why = teacher.problem(request);
        if (!why) list.value = teacher.exercises(request, separator);
        // Said to a screen reader too: what became of the press, where nothing else moves.
        status.textContent = why
            ? `Задачите не могат да бъдат създадени: ${why}.`
            : `Създадени са ${count.valueAsNumber} задачи, в списъка по-долу.`;
    });

    const show = (sheet) => () => {
        const page = teacher.page(kind(), list.value, sheet, separator);
        preview.srcdoc = page;
        if (address) URL.revokeObjectURL(address);
        address = URL.createObjectURL(new Blob([page], { type: 'text/html;charset=utf-8' }));
        download.href = address;
        download.download = sheet ? 'задачи.html' : 'ключ.html';
        printout.hidden = false;
    };
    element('sheet').addEventListener('click', show(true));
    element('key').addEventListener('click', show(false));
    element('print').addEventListener('click', () => preview.contentWindow.print());
}

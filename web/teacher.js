// The part for teachers ("За учителя", teacher_html.cpp) as a view of the core's teacher
// functions (model.js): exercises made from a seed into the list, and the list's students'
// sheet or answer key shown in a frame, to print or to keep as a file. The printed pages
// are the command line's, and need no script; the same sheet or key is saved as a document
// for Word and Writer too, made in the page (docx.js). After each action the status line says what
// became of it, and screen readers read it out.
'use strict';

// "1 задача", "5 задачи": a count of tasks as Bulgarian says it.
function TasksText(count) {
    return count === 1 ? '1 задача' : `${count} задачи`;
}

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
    // What the frame shows: the sheet or the key, of which kind and list.
    let shown = null;

    // The status line, a live region: it speaks when its text changes, so the same message
    // twice differs by a trailing no-break space, and every action is read out, once.
    let spokenOnce = false;
    const say = (message) => {
        spokenOnce = !spokenOnce;
        status.textContent = message + (spokenOnce ? '' : '\u00a0');
    };

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
        if (why) {
            say(`Задачите не могат да бъдат създадени: ${why}.`);
            return;
        }
        list.value = teacher.exercises(request, separator);
        const made = TasksText(request.count);
        say(
            request.variants > 1
                ? `Създадени са ${request.variants} варианта с по ${made}, в списъка по-горе.`
                : `${request.count === 1 ? 'Създадена е' : 'Създадени са'} ${made}, в списъка по-горе.`,
        );
    });

    // The page is made a part at a time, the browser getting its turn every 50 ms, so that
    // a long list never holds the page up (the status line says so meanwhile); a later press
    // makes its own page instead.
    let presses = 0;
    const show = (sheet) => () => {
        const press = ++presses;
        const asked = { kind: kind(), list: list.value, sheet };
        const next = teacher.pageInParts(asked.kind, asked.list, sheet, separator);
        const parts = [];
        let slices = 0;
        const make = () => {
            if (press !== presses) return;
            const start = performance.now();
            for (let part = next(); part !== null; part = next()) {
                parts.push(part);
                if (performance.now() - start > 50) {
                    if (slices++ === 0)
                        say(
                            `${sheet ? 'Листът за учениците' : 'Ключът с отговорите'} се подготвя…`,
                        );
                    setTimeout(make, 0);
                    return;
                }
            }
            shown = asked;
            present(sheet, parts.join(''), teacher.tasks());
        };
        make();
    };
    const present = (sheet, page, tasks) => {
        preview.srcdoc = page;
        if (address) URL.revokeObjectURL(address);
        address = URL.createObjectURL(new Blob([page], { type: 'text/html;charset=utf-8' }));
        download.href = address;
        download.download = sheet ? 'задачи.html' : 'ключ.html';
        printout.hidden = false;
        const what = sheet ? 'Листът за учениците е готов' : 'Ключът с отговорите е готов';
        say(
            tasks === 0
                ? `${what}, без задачи: списъкът е празен.`
                : `${what}, ${TasksText(tasks)}, по-долу: отпечатайте го или го запазете.`,
        );
    };
    element('sheet').addEventListener('click', show(true));
    element('key').addEventListener('click', show(false));
    element('print').addEventListener('click', () => preview.contentWindow.print());
    const documentType = 'application/vnd.openxmlformats-officedocument.wordprocessingml.document';
    let documentAddress = '';
    element('docx').addEventListener('click', async () => {
        const { kind: of, list: tasks, sheet } = shown;
        const what = sheet ? 'Листът за учениците' : 'Ключът с отговорите';
        const name = sheet ? 'задачи.docx' : 'ключ.docx';
        say(`${what} се подготвя като документ за Word и Writer…`);
        let file;
        try {
            file = await PackDocx(teacher.document(of, tasks, sheet, separator)); // docx.js
        } catch (error) {
            say(`${what} не може да бъде запазен като документ: ${error.message}.`);
            return;
        }
        if (documentAddress) URL.revokeObjectURL(documentAddress);
        documentAddress = URL.createObjectURL(new Blob([file], { type: documentType }));
        const link = document.createElement('a');
        link.href = documentAddress;
        link.download = name;
        link.hidden = true;
        document.body.append(link);
        link.click();
        link.remove();
        say(`${what} се запазва като „${name}“, документ за Word и Writer.`);
    });
    download.addEventListener('click', () => {
        say(
            `${shown.sheet ? 'Листът за учениците' : 'Ключът с отговорите'} се запазва като „${download.download}“.`,
        );
    });
}

// The page as a view of the behaviour model (model.js): what the user does with the
// page's controls goes to the model, and the controls then show the model's state, as
// in the window. What the forms runtime does for the window is done here too: Enter in
// an input box presses the default button, and the result box copies its text as shown.
// (Where each control is, on a wide or a narrow screen, is layout.js's and page.css's.)
'use strict';

(() => {
    // The control arrays by what they are for, as the window's description names them.
    const names = JSON.parse(document.getElementById('bindings').textContent);
    const controls = (name, count) =>
        Array.from({ length: count }, (_, index) => document.getElementById(`${name}_${index}`));
    const kindButtons = controls(names.kindButtons, 3).map((label) => label.querySelector('input'));
    const labels = controls(names.labels, 3);
    const inputs = controls(names.inputs, 3);
    const [calculateButton, clearButton] = controls(names.buttons, 2);
    const result = document.getElementById(`${names.result}_0`);
    const announcer = document.getElementById('announcer');
    const aside = document.getElementById('aside');
    const figure = document.getElementById('figure');
    const picture = figure.querySelector('img');
    const exactMath = document.getElementById('exact-math');
    const exactText = document.getElementById('exact-text');
    const solution = document.getElementById('solution');
    const steps = document.getElementById('steps');
    const stepsText = document.getElementById('steps-text');

    // Numbers take the decimal separator of the browser's language, as the window takes
    // the system's; a language tag no number format knows ("C", an empty or malformed
    // one) falls back to ".".
    const decimalSeparator = () => {
        for (const language of [navigator.language, ...(navigator.languages || [])]) {
            try {
                const part = new Intl.NumberFormat(language || undefined)
                    .formatToParts(1.5)
                    .find((p) => p.type === 'decimal');
                if (part) return part.value;
            } catch {
                // not a language tag: try the next
            }
        }
        return '.';
    };

    // The calculation core, compressed (fflate inflates it, before anything is shown).
    const wasm = Inflate(document.getElementById('core').textContent); // layout.js
    const createModel = LoadModel(wasm);
    const model = createModel(decimalSeparator());
    BindTeacher(createModel.teacher, decimalSeparator()); // teacher.js
    BindGiven(createModel.given, decimalSeparator()); // given.js

    // In the window's layout the result box, and the window with it, grows until the whole
    // of its text is in view: a report is read without scrolling in the box. (In the
    // flowing layout the box is as tall as its text.)
    const form = document.querySelector('.Form');
    const fit = () => {
        form.style.setProperty('--grown', '0px');
        const more = result.scrollHeight - result.clientHeight;
        if (more > 0) form.style.setProperty('--grown', `${more}px`);
    };
    window.addEventListener('resize', fit);
    document.fonts?.ready.then(fit);

    // Shows the model's state; asks nothing of the model in return.
    let focusRequests = 0;
    let announcements = 0;
    let spokenOnce = false;
    const show = () => {
        kindButtons[model.kind()].checked = true;
        labels.forEach((label, k) => {
            label.textContent = model.label(k);
        });
        inputs.forEach((input, k) => {
            const text = model.input(k);
            if (input.value !== text) input.value = text;
        });
        const text = model.result().replace(/\r\n/g, '\n');
        if (result.textContent !== text) {
            result.textContent = text;
            fit();
            result.scrollTop = 0;
            // The triangle the result reports, drawn, and read out as its text alternative.
            const svg = model.figure(
                Number(picture.getAttribute('width')),
                Number(picture.getAttribute('height')),
            );
            figure.hidden = svg === '';
            picture.alt = model.figureDescription();
            // The exact values as formulas, and as text for screen readers.
            exactMath.innerHTML = model.exactMathMl();
            exactText.textContent = model.exactValues();
            if (svg) picture.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(svg)}`;
            else picture.removeAttribute('src');
            // The worked solution (for a refusal, why), its formulas as MathML that the
            // core writes, and the same as text for screen readers.
            const working = model.solution();
            solution.hidden = working === '';
            steps.innerHTML = working;
            stepsText.textContent = model.solutionText();
            // A row that scrolls sideways is no stop of the Tab key: the formulas are
            // hidden from screen readers, which read their text instead.
            for (const row of aside.querySelectorAll('.lhs, .row')) row.tabIndex = -1;
        }
        if (focusRequests !== model.focusRequests()) {
            focusRequests = model.focusRequests();
            inputs[0].focus();
        }
        if (announcements !== model.announcements()) {
            announcements = model.announcements();
            // The end of a report in view: the bisectors, under the sides and the area.
            result.scrollTop = result.scrollHeight;
            // The report, or what "Изчисти" did, in place of the old report. A live region
            // speaks when its text changes: the same text twice differs by a trailing
            // no-break space, so every press is read out, once.
            spokenOnce = !spokenOnce;
            announcer.textContent =
                model.announcement().replace(/\r\n/g, '\n') + (spokenOnce ? '' : '\u00a0');
        }
    };
    const act = (action) => () => {
        action();
        show();
    };

    kindButtons.forEach((button, kind) =>
        button.addEventListener(
            'change',
            act(() => model.selectKind(kind)),
        ),
    );
    inputs.forEach((input, k) =>
        input.addEventListener('input', () => model.setInput(k, input.value)),
    );
    calculateButton.addEventListener(
        'click',
        act(() => model.calculate()),
    );
    clearButton.addEventListener(
        'click',
        act(() => model.clear()),
    );

    document.addEventListener('keydown', (event) => {
        const button = document.querySelector('[data-default]');
        if (event.key === 'Enter' && event.target.matches('input[type=text]') && button) {
            event.preventDefault();
            button.click();
        }
    });
    // A copy takes the text as shown, LF line ends included. (The selection's own text is
    // its layout, which drops a final line break; the range's is the text.)
    result.addEventListener('copy', (event) => {
        const selection = document.getSelection();
        if (selection.rangeCount === 0) return;
        event.clipboardData.setData('text/plain', selection.getRangeAt(0).toString());
        event.preventDefault();
    });
    result.addEventListener('keydown', (event) => {
        if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'a') {
            event.preventDefault();
            document.getSelection().selectAllChildren(result);
        }
    });

    act(() => model.load())(); // the load event
    performance.mark('bisectors-interactive');
})();

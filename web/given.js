// The part "Триъгълник по три елемента" (given_html.cpp) as a view of the core's chapter
// functions (model.js): three elements chosen and typed, "Изчисли" (or Enter in a value),
// and every triangle with the givens, each with its report, its figure and its exact values,
// or why there is none. The texts are the command line's (`bisectors --given --exact`), cut
// where the page puts a triangle's figure; a live region reads the whole report out.
'use strict';

// Binds the part's controls; page.js calls it with the core's chapter functions and the
// decimal separator of the page's numbers.
function BindGiven(given, separator) {
    const element = (name) => document.getElementById(`given-${name}`);
    const choosers = [0, 1, 2].map((k) => element(`element-${k}`));
    const values = [0, 1, 2].map((k) => element(`value-${k}`));
    const result = element('result');
    const announcer = element('announcer');
    const working = element('solution');
    // The figure's size in pixels, as the window's part draws its own.
    const [width, height] = [460, 345];

    const block = (tag, text, className) => {
        const node = document.createElement(tag);
        node.textContent = text;
        if (className) node.className = className;
        return node;
    };
    // A triangle: its heading (of two or more), its lines and exact values, its figure.
    const triangle = (k) => {
        const heading = given.heading(k);
        const section = document.createElement('section');
        section.className = 'GivenTriangle';
        if (heading) {
            const title = block('h3', heading.trimEnd());
            title.id = `given-triangle-${k}`;
            section.setAttribute('aria-labelledby', title.id);
            section.append(title);
        }
        const text = document.createElement('div');
        text.className = 'GivenText';
        const lines = given.triangle(k);
        const exact = given.exact(k);
        text.append(block('pre', lines.trimEnd()));
        if (exact) text.append(block('pre', exact.trimEnd(), 'GivenExact'));
        section.append(text);
        const svg = given.figure(k, width, height);
        if (svg) {
            const figure = document.createElement('figure');
            const picture = document.createElement('img');
            picture.width = width;
            picture.height = height;
            picture.alt = given.figureDescription(k);
            picture.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(svg)}`;
            figure.append(picture);
            section.append(figure);
        }
        return { section, text: heading + lines + exact };
    };

    // A live region speaks when its text changes: the same report twice differs by a
    // trailing no-break space, so every press is read out, once.
    let spokenOnce = false;
    const calculate = () => {
        given.solve(
            choosers.map((chooser, k) => [chooser.value, values[k].value]),
            separator,
        );
        const summary = given.summary();
        let report = summary;
        result.replaceChildren(block('pre', summary.trimEnd(), 'GivenSummary'));
        for (let k = 0; k < given.triangles(); ++k) {
            const shown = triangle(k);
            result.append(shown.section);
            report += shown.text;
        }
        const note = given.noExactValues();
        if (note) result.append(block('pre', note.trimEnd()));
        report += note;
        result.hidden = false;
        // The worked solution of the givens is shown here once the core writes one: under
        // the triangles, as HTML with MathML and as text for screen readers, as the window's
        // part shows its own. Until then the section stays hidden.
        working.hidden = true;
        spokenOnce = !spokenOnce;
        announcer.textContent = report + (spokenOnce ? '' : '\u00a0');
    };

    element('calculate').addEventListener('click', calculate);
    for (const value of values)
        value.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') {
                event.preventDefault();
                event.stopPropagation();
                calculate();
            }
        });
}

// The window's behaviour in the page, as window/main_form.cpp has it: choosing a kind
// relabels the inputs from the hidden lists and empties them, "Изчисли" writes the
// report of the calculation core, "Изчисти" starts over; and what the forms runtime
// does for the window: Enter in an input box presses the default button, and the result
// box keeps CR LF in what is copied from it.
'use strict';

(() => {
    const kInputs = 3;
    const control = (name, index) => document.getElementById(`${name}_${index}`);
    const result = control('Text1', 0);

    // Numbers in the report take the decimal separator of the browser's language, as the
    // window takes the system's; reading them stays the same everywhere. What names no
    // locale ("C" under a POSIX locale, an empty or malformed tag) gives way to the next
    // language the browser prefers, and when none is left the point stands.
    const DecimalSeparator = () => {
        for (const language of [navigator.language, ...(navigator.languages || [])]) {
            try {
                const decimal = new Intl.NumberFormat(String(language || ''))
                    .formatToParts(1.5)
                    .find((part) => part.type === 'decimal');
                if (decimal)
                    return decimal.value;
            } catch (error) {
                // RangeError: not a language tag
            }
        }
        return '.';
    };
    const separator = DecimalSeparator();

    let mode = 0; // the input kind, the index of the chosen option button

    const setResult = (text) => {
        result.textContent = text.replace(/\r\n/g, '\n');
        result.scrollTop = 0;
    };
    // The labels of the chosen kind replace the old ones, and the inputs are emptied.
    const Option1_Click = (index) => {
        mode = index;
        for (let k = 0; k < kInputs; ++k) {
            control('Text2', k).value = '';
            control('Label2', k).textContent = control('List1', index).children[k].textContent;
        }
    };

    // Back to altitudes with empty inputs, the focus in the first. The kinds are one radio
    // group: selecting "Височини" clears the others.
    const ResetInputs = () => {
        control('Option1', 0).querySelector('input').checked = true;
        Option1_Click(0);
        control('Text2', 0).focus();
    };

    const Command1_Click = async (index) => {
        if (index === 0) {
            const inputs = [0, 1, 2].map((k) => control('Text2', k).value);
            setResult((await core)(mode, inputs, separator));
        } else {
            ResetInputs();
            setResult('');
        }
    };

    for (let i = 0; i < kInputs; ++i) {
        control('Option1', i).querySelector('input').addEventListener('change', () =>
            Option1_Click(i));
    }
    for (let i = 0; i < 2; ++i)
        control('Command1', i).addEventListener('click', () => Command1_Click(i));

    document.addEventListener('keydown', (event) => {
        const button = document.querySelector('[data-default]');
        if (event.key === 'Enter' && event.target.matches('input[type=text]') && button) {
            event.preventDefault();
            button.click();
        }
    });
    // The text shows CR LF as line breaks; a copy gets them back. (The selection's own
    // text is its layout, which drops a final line break; the range's is the text.)
    result.addEventListener('copy', (event) => {
        const selection = document.getSelection();
        if (selection.rangeCount === 0)
            return;
        const text = selection.getRangeAt(0).toString();
        event.clipboardData.setData('text/plain', text.replace(/\r?\n/g, '\r\n'));
        event.preventDefault();
    });
    result.addEventListener('keydown', (event) => {
        if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'a') {
            event.preventDefault();
            document.getSelection().selectAllChildren(result);
        }
    });

    ResetInputs(); // the load event
    performance.mark('bisectors-interactive');

    // The core is compiled while the user starts typing; "Изчисли" waits for it.
    const base64 = atob(document.getElementById('core').textContent);
    const wasm = new Uint8Array(base64.length);
    for (let i = 0; i < base64.length; ++i)
        wasm[i] = base64.charCodeAt(i);
    const core = LoadCore(wasm).then((report) => {
        performance.mark('bisectors-core-ready');
        return report;
    });
})();

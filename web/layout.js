// Which of page.css's two layouts the page takes. The window's own needs a screen as wide
// as the window (page.css asks the screen) and boxes that hold their text: with a larger
// font than the window's (a minimum font size, or a larger default size) the texts no
// longer fit in them and the form gets the class Flowing, for the flowing layout. Looked
// at again whenever the viewport changes size, as it does when the page is zoomed.
// Where the flowing layout gives a picture less width than the window does (a phone), it
// shows the picture's narrow version, so that the formula's text is no smaller than in the
// window. The pictures come compressed (form_html.cpp), and are inflated with fflate as they
// are first shown.
'use strict';

// The bytes of a part of the page carried compressed, zlib's format in base64 (the pictures
// here, the core in page.js), inflated with fflate.
function Inflate(base64) {
    return fflate.unzlibSync(Uint8Array.from(atob(base64), (c) => c.charCodeAt(0)));
}

(() => {
    const form = document.querySelector('.Form');
    const cut = (element) =>
        element.scrollWidth > element.clientWidth || element.scrollHeight > element.clientHeight;
    const sources = new Map(); // a compressed picture's data: URL
    const source = (compressed) => {
        if (!sources.has(compressed)) {
            const svg = Inflate(compressed);
            let binary = '';
            for (const byte of svg) binary += String.fromCharCode(byte);
            sources.set(compressed, `data:image/svg+xml;base64,${btoa(binary)}`);
        }
        return sources.get(compressed);
    };
    const Lay = () => {
        form.classList.remove('Flowing');
        const size = (element) => parseFloat(getComputedStyle(element).fontSize);
        const larger = size(document.documentElement) > size(form);
        const texts = form.querySelectorAll('.Label, .OptionButton, .CommandButton');
        form.classList.toggle('Flowing', larger || [...texts].some(cut));
        for (const picture of form.querySelectorAll('img[data-narrow]')) {
            const windowWidth = parseFloat(getComputedStyle(picture).getPropertyValue('--width'));
            const flowing = getComputedStyle(picture).position === 'static';
            const narrow = flowing && picture.getBoundingClientRect().width < windowWidth;
            const shown = source(narrow ? picture.dataset.narrow : picture.dataset.wide);
            if (picture.getAttribute('src') !== shown) picture.setAttribute('src', shown);
        }
    };
    window.addEventListener('resize', Lay);
    document.fonts?.ready.then(Lay);
    Lay();
})();

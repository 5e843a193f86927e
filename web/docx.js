// The teacher's documents for Word and Writer (.docx) made in the page, offline: the parts
// that the core makes with the command line's code (model.js's teacher.document), each
// figure's PNG painted from its SVG on the browser's canvas, as large as the command line
// paints it, and the parts packed by fflate in the command line's order, the PNGs stored
// as they are and the rest deflated. Loaded by the page and by the tests under Node.
'use strict';

// The PNG of an SVG document (UTF-8 bytes), painted `width` x `height` pixels on white.
async function PaintPng(svg, width, height) {
    const image = new Image();
    image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(new TextDecoder().decode(svg))}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    const context = canvas.getContext('2d', { alpha: false }); // RGB, as the command line's
    context.fillStyle = '#fff';
    context.fillRect(0, 0, width, height);
    context.drawImage(image, 0, 0, width, height); // the SVG drawn anew at this size, sharp
    const png = await new Promise((resolve, reject) =>
        canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('canvas'))), 'image/png'),
    );
    return new Uint8Array(await png.arrayBuffer());
}

// The .docx file of a document's parts, a zip archive; `paint` makes each picture's PNG.
// Every part dated 1 January 2000, as the command line dates them: the same list gives the
// same file.
async function PackDocx(parts, paint = PaintPng) {
    const files = {};
    for (const part of parts)
        files[part.name] = part.width
            ? [await paint(part.bytes, part.width, part.height), { level: 0 }]
            : part.bytes;
    const zip = typeof fflate !== 'undefined' ? fflate : require('fflate');
    return zip.zipSync(files, { level: 6, mtime: new Date(2000, 0, 1) });
}

if (typeof module !== 'undefined') module.exports = { PackDocx };

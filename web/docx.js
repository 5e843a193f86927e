// The teacher's documents for Word and Writer (.docx) made in the page, offline: the parts
// that the core makes with the command line's code (model.js's teacher.document), the
// figures drawings in the main part, packed by fflate in the command line's order, every
// part deflated. Loaded by the page and by the tests under Node.
'use strict';

// The .docx file of a document's parts, a zip archive. Every part dated 1 January 2000, as
// the command line dates them: the same list gives the same file. Deflated at the least
// level, as the command line does: XML shrinks to a tenth even so.
function PackDocx(parts) {
    const files = {};
    for (const part of parts) files[part.name] = part.bytes;
    const zip = typeof fflate !== 'undefined' ? fflate : require('fflate');
    return zip.zipSync(files, { level: 1, mtime: new Date(2000, 0, 1) });
}

if (typeof module !== 'undefined') module.exports = { PackDocx };

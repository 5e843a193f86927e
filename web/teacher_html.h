#pragma once

// The page's part for teachers, "За учителя": a disclosure after the window, so that it is
// no stop of the window's own tab order, where a teacher makes exercises from a seed or
// pastes a list, and gets the students' sheet and the answer key to print or keep, as
// pages or as documents for Word and Writer. They are the command line's (--generate,
// --html, --docx, with --sheet), made by the core in WebAssembly; teacher.js binds the
// controls.

#include "form_description.h"

#include <QString>
#include <QStringList>

namespace web
{

// The part's HTML, its kinds named as the window's option buttons name them.
QString TeacherHtml(const platform::FormDescription &form);

// The text of each style element of the printed pages, which the page's security policy
// allows, so that they keep their styles in the page's preview.
QStringList PrintoutStyles();

} // namespace web

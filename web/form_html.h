#pragma once

// The window as a web page, generated from its own description (form_description.h):
// every control becomes an HTML element with the control's object name as its id,
// placed at the same pixel rectangle, with the same colours, texts and tab order, and
// with the accessibility a page gets from real HTML controls (labels bound to inputs,
// the option buttons as radio inputs in a fieldset, the names the description gives
// controls that show none of their own, a live region for what the window announces).
// The behaviour comes from page.js.

#include "form_description.h"

#include <QByteArray>
#include <QString>

namespace web
{

// The form's element and everything in it, in the order of the tab indices, and after it
// the live region that speaks what the form announces.
QString FormHtml(const platform::FormDescription &form);

// The style rules that colour each control and give its rectangle and its place in the
// reading order, and the form's size and font; page.css lays them out.
QString FormStyle(const platform::FormDescription &form);

// The favicon: the window's icon as SVG.
QByteArray IconSvg(const platform::FormDescription &form);

// For tests: the form's size, title and language; each control's kind, object name,
// rectangle in pixels from the top left of the form, tab index, visibility, whether its
// changes are announced, container, text and list items; and the spoken names; as JSON.
QByteArray FormLayoutJson(const platform::FormDescription &form);

} // namespace web

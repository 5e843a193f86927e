#include "form_html.h"

#include "form.h"
#include "svg_picture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace web
{
namespace
{

using platform::ControlDescription;
using platform::ControlKind;
using platform::FormDescription;
using platform::Pixels;

// The sunken border of a picture box, in pixels, inside its rectangle.
constexpr int kPictureBorder = 2;

// What stands in for the window's font where it is missing: its metric twin, then any serif.
const char *const kFontFallbacks = "\"Liberation Serif\", serif";

QString Utf8(const char *text)
{
    return QString::fromUtf8(text ? text : "");
}

QString Escaped(const char *text)
{
    return Utf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).toHtmlEscaped();
}

bool Same(const char *a, const char *b)
{
    return a && b && std::strcmp(a, b) == 0;
}

QString Id(const ControlDescription &control)
{
    return platform::ObjectName(control.name, control.index);
}

// The kind's name, the class of its elements in the page.
QString KindName(ControlKind kind)
{
    // In the order of ControlKind.
    static const char *const names[] = {"Label",   "Frame",         "OptionButton", "TextBox",
                                        "ListBox", "CommandButton", "PictureBox"};
    return QString::fromLatin1(names[static_cast<int>(kind)]);
}

// What a screen reader says of a control that shows no name of its own, or nullptr.
const char *Spoken(const FormDescription &form, const ControlDescription &control)
{
    for (const platform::SpokenText &spoken : form.spoken)
        if (Same(spoken.name, control.name) && spoken.index == control.index)
            return spoken.text;
    return nullptr;
}

// The text box array that a label array names, or nullptr.
const char *LabelledBox(const FormDescription &form, const ControlDescription &control)
{
    for (const platform::LabelPair &pair : form.labels)
        if (Same(pair.label, control.name))
            return pair.box;
    return nullptr;
}

// The control's place in the keyboard focus order: its tab index, or for an option button
// the lowest tab index of the option buttons in its container. A group of radio inputs
// with one tabindex is one stop for the browser, at its checked radio.
int TabPlace(const FormDescription &form, const ControlDescription &control)
{
    if (control.kind != ControlKind::OptionButton)
        return control.tabIndex;
    int place = control.tabIndex;
    for (const ControlDescription &other : form.controls)
        if (other.kind == ControlKind::OptionButton &&
            (other.container == control.container || Same(other.container, control.container)))
            place = std::min(place, other.tabIndex);
    return place;
}

// The controls directly inside `container` (nullptr: the form), in the order of their
// tab indices, which is the page's focus order.
std::vector<const ControlDescription *> Children(const FormDescription &form, const char *container)
{
    std::vector<const ControlDescription *> children;
    for (const ControlDescription &control : form.controls)
        if (container ? Same(control.container, container) : !control.container)
            children.push_back(&control);
    std::stable_sort(children.begin(), children.end(),
                     [](const auto *a, const auto *b) { return a->tabIndex < b->tabIndex; });
    return children;
}

// The control's rectangle in pixels from the top left of the form, also when it sits in a frame.
QRect FormRect(const FormDescription &form, const ControlDescription &control)
{
    QRect rect(Pixels(control.left), Pixels(control.top), Pixels(control.width),
               Pixels(control.height));
    for (const ControlDescription &container : form.controls)
        if (Same(container.name, control.container) && container.index == 0)
            rect.translate(Pixels(container.left), Pixels(container.top));
    return rect;
}

// The controls in the order a reader of the window takes them in: row by row from the
// top, each row from the left.
std::vector<const ControlDescription *> ReadingOrder(const FormDescription &form)
{
    std::vector<const ControlDescription *> order;
    for (const ControlDescription &control : form.controls)
        order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [&](const auto *a, const auto *b) {
        const QRect ra = FormRect(form, *a), rb = FormRect(form, *b);
        return std::pair(ra.top(), ra.left()) < std::pair(rb.top(), rb.left());
    });
    return order;
}

// A picture as SVG compressed in zlib's format, in base64: Qt's SVG of a picture is about
// fifteen times its compressed size, and layout.js inflates it as the page starts.
QString CompressedPicture(const platform::PaintFunction &paint, QSize size)
{
    // qCompress puts the length before zlib's stream.
    return QString::fromLatin1(qCompress(SvgPicture(paint, size), 9).mid(4).toBase64());
}

QString ControlHtml(const FormDescription &form, const ControlDescription &control)
{
    QString classes = KindName(control.kind);
    if (control.flags & platform::Centered)
        classes += " Centered";
    if (control.flags & platform::MultiLine)
        classes += " MultiLine";
    const QString attributes = QStringLiteral("id=\"%1\" class=\"%2\"").arg(Id(control), classes) +
                               ((control.flags & platform::Hidden) ? " hidden" : "");
    const QString text = Escaped(control.text);
    const char *spoken = Spoken(form, control);
    const QString name = spoken ? QStringLiteral(" aria-label=\"%1\"").arg(Escaped(spoken)) : "";
    // Tab follows the tab indices, as in the window (tabindex counts from 1).
    const QString tab = QStringLiteral(" tabindex=\"%1\"").arg(TabPlace(form, control) + 1);

    switch (control.kind) {
    case ControlKind::Label:
        if (const char *box = LabelledBox(form, control))
            return QStringLiteral("<label %1 for=\"%2\">%3</label>")
                .arg(attributes, platform::ObjectName(box, control.index), text);
        return QStringLiteral("<div %1>%2</div>").arg(attributes, text);
    case ControlKind::Frame: {
        QString html = QStringLiteral("<fieldset %1>").arg(attributes);
        if (spoken)
            html += QStringLiteral("<legend class=\"Spoken\">%1</legend>").arg(Escaped(spoken));
        for (const ControlDescription *child : Children(form, control.name))
            html += "\n" + ControlHtml(form, *child);
        return html + "\n</fieldset>";
    }
    case ControlKind::OptionButton:
        return QStringLiteral(
                   "<label %1><input type=\"radio\" name=\"%2\" value=\"%3\"%4>%5</label>")
            .arg(attributes, Utf8(control.name), QString::number(control.index), tab, text);
    case ControlKind::TextBox:
        if (control.flags & platform::Hidden)
            return QStringLiteral("<textarea %1>%2</textarea>").arg(attributes, text);
        // Lines of text to read, select and copy, not to type into. An <output> is a live
        // region of its own; where the announcer reads the box's new texts out, it is not,
        // or each would be spoken twice.
        if ((control.flags & platform::MultiLine) && (control.flags & platform::Locked))
            return QStringLiteral("<output %1%2%3%4>%5</output>")
                .arg(attributes, tab, name,
                     QString((control.flags & platform::Announced) ? " aria-live=\"off\"" : ""),
                     text);
        if (control.flags & platform::MultiLine)
            return QStringLiteral("<textarea %1%2%3>%4</textarea>")
                .arg(attributes, tab, name, text);
        // The window's input boxes take lengths: a phone shows its keyboard of digits.
        return QStringLiteral("<input %1 type=\"text\" inputmode=\"decimal\" value=\"%2\" "
                              "autocomplete=\"off\" spellcheck=\"false\"%3%4%5>")
            .arg(attributes, text, QString((control.flags & platform::Locked) ? " readonly" : ""),
                 tab, name);
    case ControlKind::ListBox: {
        QString html = QStringLiteral("<ul %1>").arg(attributes);
        for (const char *item : control.items)
            html += QStringLiteral("<li>%1</li>").arg(Escaped(item));
        return html + "</ul>";
    }
    case ControlKind::CommandButton:
        return QStringLiteral("<button %1 type=\"button\"%2%3%4>%5</button>")
            .arg(attributes, QString((control.flags & platform::Default) ? " data-default" : ""),
                 tab, name, text);
    case ControlKind::PictureBox: {
        const QSize inside(Pixels(control.width) - 2 * kPictureBorder,
                           Pixels(control.height) - 2 * kPictureBorder);
        const QString picture = control.picture ? CompressedPicture(control.picture, inside) : "";
        // The same picture half as wide and twice as high, for a screen narrower than the
        // window (layout.js): a wide strip such as the formula then wraps into two rows
        // instead of shrinking its text.
        const QSize narrow(inside.width() / 2 + 16, inside.height() * 2);
        const QString narrowPicture =
            control.picture ? CompressedPicture(control.picture, narrow) : "";
        return QStringLiteral("<img %1 alt=\"%2\" data-wide=\"%3\" data-narrow=\"%4\">")
            .arg(attributes, spoken ? Escaped(spoken) : QString(), picture, narrowPicture);
    }
    }
    return {};
}

QString Rule(const QString &selector, const QStringList &declarations)
{
    return selector + "{" + declarations.join(';') + "}\n";
}

QString Px(int pixels)
{
    return QString::number(pixels) + "px";
}

} // namespace

QString FormHtml(const FormDescription &form)
{
    QString html = QStringLiteral("<main id=\"%1\" class=\"Form\">").arg(Utf8(form.name));
    bool announced = false;
    for (const ControlDescription *control : Children(form, nullptr)) {
        html += "\n" + ControlHtml(form, *control);
        announced = announced || (control->flags & platform::Announced);
    }
    html += "\n</main>";
    // Where the window announces a text box's new texts, a live region speaks them (and
    // whatever else the window announces): one that the page writes anew for every
    // announcement, even of the same text.
    if (announced)
        html +=
            QStringLiteral("\n<div id=\"announcer\" class=\"Spoken\" aria-live=\"polite\"></div>");
    return html;
}

QString FormStyle(const FormDescription &form)
{
    // The sizes and places are custom properties: page.css sets the controls at their
    // rectangles where the window fits, and flows them in the reading order (--order)
    // where it does not.
    QString style =
        Rule("#" + Utf8(form.name),
             {"--width:" + Px(Pixels(form.width)), "--height:" + Px(Pixels(form.height)),
              "background:" + form.background.name(),
              QStringLiteral("font-family:\"%1\", %2")
                  .arg(Utf8(form.fontFamily), QString::fromLatin1(kFontFallbacks)),
              QStringLiteral("--font-size:%1pt").arg(form.fontPointSize)});
    style += Rule(".PictureBox", {"padding:" + Px(kPictureBorder)});
    const std::vector<const ControlDescription *> order = ReadingOrder(form);
    for (const ControlDescription &control : form.controls) {
        const auto place = std::find(order.begin(), order.end(), &control) - order.begin();
        QStringList declarations = {
            "--left:" + Px(Pixels(control.left)), "--top:" + Px(Pixels(control.top)),
            "--width:" + Px(Pixels(control.width)), "--height:" + Px(Pixels(control.height)),
            "--order:" + QString::number(place)};
        if (control.background)
            declarations << "background:" + control.background->name();
        style += Rule("#" + Id(control), declarations);
    }
    return style;
}

QByteArray IconSvg(const FormDescription &form)
{
    return form.icon ? SvgPicture(form.icon, QSize(32, 32)) : QByteArray();
}

QByteArray FormLayoutJson(const FormDescription &form)
{
    QJsonArray controls;
    for (const ControlDescription &control : form.controls) {
        const QRect rect = FormRect(form, control);
        QJsonArray items;
        for (const char *item : control.items)
            items.append(Utf8(item));
        controls.append(QJsonObject{
            {"id", Id(control)},
            {"kind", KindName(control.kind)},
            {"rect", QJsonArray{rect.left(), rect.top(), rect.width(), rect.height()}},
            {"tabIndex", control.tabIndex},
            {"hidden", bool(control.flags & platform::Hidden)},
            {"announced", bool(control.flags & platform::Announced)},
            {"container", control.container ? platform::ObjectName(control.container, 0) : ""},
            {"text", Utf8(control.text)},
            {"items", items},
        });
    }
    QJsonArray spoken;
    for (const platform::SpokenText &text : form.spoken)
        spoken.append(QJsonObject{{"id", platform::ObjectName(text.name, text.index)},
                                  {"text", Utf8(text.text)}});
    const QJsonObject layout{
        {"id", Utf8(form.name)},     {"size", QJsonArray{Pixels(form.width), Pixels(form.height)}},
        {"title", Utf8(form.title)}, {"language", Utf8(form.language)},
        {"controls", controls},      {"spoken", spoken},
    };
    return QJsonDocument(layout).toJson();
}

} // namespace web

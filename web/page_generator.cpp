// Writes the web edition of the window as one self-contained HTML file: the page
// generated from the window's description (form_html.h), the scripts that give it the
// window's behaviour model, and the model with the calculation core compiled to
// WebAssembly, all inlined (the WebAssembly compressed, in zlib's format, which the page
// inflates with fflate as it starts).
// A Content-Security-Policy allows nothing but these inlined parts: no connection, no
// other script or style (but the styles of the printed pages that the teacher's part
// shows). It also writes the layout as JSON for the page's tests.
//
// page_generator --wasm core.wasm --css page.css --css given.css --script fflate/umd/index.js
//                --script model.js --script layout.js --script page.js --script teacher.js
//                --script given.js
//                --html bisectors.html --layout layout.json
#include "form_html.h"
#include "given_html.h"
#include "main_form_description.h"
#include "solution.h"
#include "teacher_html.h"

#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <map>

namespace
{

QByteArray Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "page_generator: cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

void Write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "page_generator: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// The CSP source that allows exactly this inline script or style.
QString Hash(const QString &content)
{
    return QStringLiteral("'sha256-%1'")
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(content.toUtf8(), QCryptographicHash::Sha256).toBase64()));
}

const char *const kPage = R"(<!DOCTYPE html>
<html lang="%9">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; script-src %1 'wasm-unsafe-eval'; style-src %2; img-src data:; base-uri 'none'; form-action 'none'">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>%3</title>
<link rel="icon" type="image/svg+xml" href="data:image/svg+xml;base64,%4">
<style>%5</style>
</head>
<body>
%6
<script id="core" type="application/zlib">%7</script>
<script>%8</script>
</body>
</html>
)";

// Where the page draws the triangle of each report, beside the window or under it, with
// the exact values under it, and under that the worked solution: the formulas of both in
// MathML, which screen readers pass over for the same as text.
const char *const kAside =
    "<div id=\"aside\" class=\"Aside\"><figure id=\"figure\" class=\"Figure\" hidden>"
    "<img width=\"460\" height=\"345\" alt=\"\"><figcaption id=\"exact\" class=\"Exact\">"
    "<div id=\"exact-math\" aria-hidden=\"true\"></div><p id=\"exact-text\" class=\"Spoken\"></p>"
    "</figcaption></figure><section id=\"solution\" class=\"Solution\" hidden "
    "aria-labelledby=\"solution-heading\"><h2 id=\"solution-heading\">%1</h2>"
    "<div id=\"steps\" aria-hidden=\"true\"></div><p id=\"steps-text\" class=\"Spoken\"></p>"
    "</section></div>";

} // namespace

int main(int argc, char **argv)
{
    std::multimap<QString, QString> options; // read before Qt takes its own options
    for (int i = 1; i + 1 < argc; i += 2)
        options.emplace(QString::fromLocal8Bit(argv[i]), QString::fromLocal8Bit(argv[i + 1]));
    QGuiApplication application(argc, argv); // fonts, for the pictures' text
    const auto option = [&](const char *name) {
        const auto found = options.find(QString::fromLatin1(name));
        if (found == options.end()) {
            std::fprintf(stderr, "page_generator: %s is missing\n", name);
            std::exit(2);
        }
        return found->second;
    };

    QString script;
    const auto [first, last] = options.equal_range(QStringLiteral("--script"));
    for (auto it = first; it != last; ++it)
        script += QString::fromUtf8(Read(it->second)) + "\n";
    const platform::FormDescription form = window::MainFormDescription();
    option("--css"); // one at least
    QString style;
    const auto [firstStyle, lastStyle] = options.equal_range(QStringLiteral("--css"));
    for (auto it = firstStyle; it != lastStyle; ++it)
        style += QString::fromUtf8(Read(it->second)) + "\n";
    style += web::FormStyle(form);

    // Which control arrays page.js binds to what, by the names the window's description gives.
    const QString bindings =
        QStringLiteral(
            "<script id=\"bindings\" type=\"application/json\">{\"kindButtons\":\"%1\","
            "\"labels\":\"%2\",\"inputs\":\"%3\",\"buttons\":\"%4\",\"result\":\"%5\"}</script>")
            .arg(window::kKindButtons, window::kLabels, window::kInputs, window::kButtons,
                 window::kResult);
    QStringList styles{Hash(style)};
    for (const QString &printout : web::PrintoutStyles())
        styles << Hash(printout);
    const QString page = QString::fromUtf8(kPage).arg(
        Hash(script), styles.join(' '), QString::fromUtf8(form.title).toHtmlEscaped(),
        QString::fromLatin1(web::IconSvg(form).toBase64()), style,
        web::FormHtml(form) + "\n" +
            QString::fromUtf8(kAside).arg(
                QString::fromUtf8(solution::kHeading.data(), solution::kHeading.size())) +
            "\n" + web::GivenHtml() + "\n" + web::TeacherHtml(form) + "\n" + bindings,
        // qCompress puts the length before zlib's stream.
        QString::fromLatin1(qCompress(Read(option("--wasm")), 9).mid(4).toBase64()), script,
        QString::fromUtf8(form.language));
    Write(option("--html"), page.toUtf8());
    Write(option("--layout"), web::FormLayoutJson(form));
    return 0;
}

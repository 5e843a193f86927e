#include "given_html.h"

#include "elements.h"
#include "solution.h"

#include <array>

namespace web
{
namespace
{

const char *const kGiven = R"(<details id="given" class="Given">
<summary>Триъгълник по три елемента</summary>
<div class="GivenInputs">%1</div>
<p><button type="button" id="given-calculate">Изчисли</button></p>
<p id="given-announcer" class="Spoken" role="status" aria-live="polite"></p>
<div id="given-result" class="GivenResult" hidden></div>
<section id="given-solution" class="Solution" hidden aria-labelledby="given-solution-heading">
<h2 id="given-solution-heading">%2</h2><div id="given-steps" aria-hidden="true"></div>
<p id="given-steps-text" class="Spoken"></p></section>
</details>)";

const char *const kGivenInput =
    R"(<fieldset><legend>%1 елемент</legend><label>Елемент <select id="given-element-%2">%3</select></label>
<label>Стойност <input type="text" id="given-value-%2" inputmode="decimal" autocomplete="off" spellcheck="false"></label></fieldset>)";

constexpr std::array<const char *, 3> kOrdinals = {"Първи", "Втори", "Трети"};
constexpr std::array<calc::Element, 3> kFirstChosen = {calc::Element::SideA, calc::Element::SideB,
                                                       calc::Element::AngleC};

// An element's name as the page writes names in running text: the Greek letters as they
// are, a subscript after its letter ("ha", as the window's labels write it).
QString Written(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).remove('_');
}

} // namespace

QString GivenHtml()
{
    QString inputs;
    for (std::size_t k = 0; k < 3; ++k) {
        QString options;
        for (const calc::ElementInfo &info : calc::kElements)
            options +=
                QStringLiteral("<option value=\"%1\"%2>%3</option>")
                    .arg(QString::fromUtf8(info.ascii.data(),
                                           static_cast<qsizetype>(info.ascii.size())))
                    .arg(info.element == kFirstChosen[k] ? QStringLiteral(" selected") : QString())
                    .arg(Written(info.word).toHtmlEscaped());
        inputs +=
            QString::fromUtf8(kGivenInput).arg(QString::fromUtf8(kOrdinals[k])).arg(k).arg(options);
    }
    return QString::fromUtf8(kGiven).arg(
        inputs, QString::fromUtf8(solution::kHeading.data(),
                                  static_cast<qsizetype>(solution::kHeading.size())));
}

} // namespace web

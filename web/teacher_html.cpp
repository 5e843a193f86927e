#include "teacher_html.h"

#include "fields.h"
#include "generator.h"
#include "main_form_description.h"
#include "printout.h"

#include <cstring>

namespace web
{
namespace
{

const char *const kTeacher = R"(<details id="teacher" class="Teacher">
<summary>За учителя: задачи и ключ с отговорите за печат</summary>
<fieldset><legend>Вид на задачите</legend>%1</fieldset>
<fieldset class="Levels"><legend>Ниво</legend>%3</fieldset>
<p class="Numbers"><label>Брой задачи <input id="teacher-count" type="number" min="1" max="%2" value="10"></label>
<label>От тях без триъгълник <input id="teacher-impossible" type="number" min="0" max="%2" value="2"></label>
<label>Варианти <select id="teacher-variants">%4</select></label>
<label>Число за повторение <input id="teacher-seed" inputmode="numeric" autocomplete="off" placeholder="ново всеки път"></label></p>
<p><button type="button" id="teacher-generate">Създай задачите</button></p>
<p><label for="teacher-list">Задачите, по една тройка на ред (или поставете свои):</label><br>
<textarea id="teacher-list" rows="8" wrap="off" spellcheck="false" autocomplete="off"></textarea></p>
<p><button type="button" id="teacher-sheet">Лист за учениците</button>
<button type="button" id="teacher-key">Ключ с отговорите</button></p>
<p id="teacher-status" class="Status" role="status" aria-live="polite"></p>
<div id="teacher-printout" hidden>
<p class="Actions"><button type="button" id="teacher-print">Печат</button>
<button type="button" id="teacher-docx">Запази за Word и Writer</button>
<a id="teacher-download" href="#">Запази страницата</a></p>
<iframe id="teacher-preview" title="Страницата за печат"></iframe>
</div>
</details>)";

// The levels of the exercises (teacher::ExerciseRequest::level), the middle one first chosen,
// as the command line's --level describes them.
const char *const kLevels[] = {
    "1: малки числа, цели или с един десетичен знак, и кратки отговори",
    "2: кратки десетични числа",
    "3: по-дълги десетични числа, тъпоъгълни и много издължени триъгълници",
};

// The kind of the chapter's tasks, beside the window's three.
constexpr const char *kGivensKind = "Три елемента";

} // namespace

QString TeacherHtml(const platform::FormDescription &form)
{
    QString kinds;
    for (const platform::ControlDescription &control : form.controls) {
        if (std::strcmp(control.name, window::kKindButtons) != 0)
            continue;
        kinds += QStringLiteral("<label><input type=\"radio\" name=\"teacher-kind\" value=\"%1\"%2>"
                                "%3</label>")
                     .arg(control.index)
                     .arg(control.index == 0 ? QStringLiteral(" checked") : QString())
                     .arg(QString::fromUtf8(control.text).toHtmlEscaped());
    }
    // After the window's three kinds, the triangle chapter's tasks of any three elements:
    // kind 3 of the core's teacher functions (teacher_entry.cpp).
    kinds += QStringLiteral("<label><input type=\"radio\" name=\"teacher-kind\" value=\"3\">"
                            "%1</label>")
                 .arg(QString::fromUtf8(kGivensKind));
    QString levels;
    for (int level = 1; level <= 3; ++level)
        levels +=
            QStringLiteral("<label><input type=\"radio\" name=\"teacher-level\" value=\"%1\"%2>"
                           "%3</label>")
                .arg(level)
                .arg(level == teacher::ExerciseRequest{}.level ? QStringLiteral(" checked")
                                                               : QString())
                .arg(QString::fromUtf8(kLevels[level - 1]));
    // A list of one variant, or of several, named by their letters: "2 (А, Б)".
    QString variants;
    QStringList letters;
    for (int count = 1; count <= teacher::kMaxVariants; ++count) {
        letters << QString::fromUtf8(
            worksheet::kVariantLetters[count - 1].data(),
            static_cast<qsizetype>(worksheet::kVariantLetters[count - 1].size()));
        variants +=
            QStringLiteral("<option value=\"%1\">%2</option>")
                .arg(count)
                .arg(count == 1 ? QStringLiteral("1")
                                : QStringLiteral("%1 (%2)").arg(count).arg(letters.join(", ")));
    }
    return QString::fromUtf8(kTeacher).arg(kinds).arg(teacher::kMaxExercises).arg(levels, variants);
}

QStringList PrintoutStyles()
{
    QStringList styles;
    for (const auto page : {worksheet::Printout::Page::Sheet, worksheet::Printout::Page::Key})
        styles << QString::fromStdString(worksheet::Printout::Style(page));
    return styles;
}

} // namespace web

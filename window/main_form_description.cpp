#include "main_form_description.h"

#include "calculator.h"
#include "formula_picture.h"
#include "hamburger_icon.h"

#include <string>

namespace window
{
namespace
{

using enum platform::ControlKind;
using platform::Announced;
using platform::Centered;
using platform::Default;
using platform::Hidden;
using platform::Locked;
using platform::MultiLine;

const QColor kLavender(192, 192, 255);
const QColor kOrange(255, 192, 128);
const QColor kGreen(128, 255, 128);
const QColor kRed(255, 128, 128);
const std::optional<QColor> kUsual;

// A quotation the window carries hidden; nothing reads or writes it.
const char *const kQuotation = "Неприятното в това да си първият, направил нещо по \r\n"
                               "правилния начин, е, че никой не оценява колко трудно е \r\n"
                               "било. \r\n";

// The input labels of each input kind; hidden list m holds those of InputMode m. The labels
// shown come from the model, which reads the same table (calc::kKinds); the lists stay part
// of the window as it is laid out, with their places in the tab order.
std::vector<const char *> Labels(int kind)
{
    const auto &labels = calc::kKinds.at(static_cast<std::size_t>(kind)).labels;
    return {labels[0].data(), labels[1].data(), labels[2].data()};
}

// Spoken names: the frame of the three kinds, the result box, and the formula read out.
const char *const kKindsName = "Вид на входните данни";
const char *const kResultName = "Резултат";

// The formula of the picture read out, factor by factor as it draws them: "Формула за
// лицето: единица върху S на квадрат е равно на произведението на четири множителя: единица
// върху ha плюс единица върху hb плюс единица върху hc; … и единица върху hb плюс единица
// върху hc минус единица върху ha."
const char *FormulaInWords()
{
    static const std::string words = [] {
        std::string text = "Формула за лицето: единица върху S на квадрат е равно на "
                           "произведението на четири множителя: ";
        const auto factors = FormulaFactors();
        for (std::size_t f = 0; f < factors.size(); ++f) {
            text += f == 0 ? "" : f + 1 < factors.size() ? "; " : "; и ";
            for (std::size_t term = 0; term < factors[f].size(); ++term) {
                text += term == 0 ? "" : factors[f][term].minus ? " минус " : " плюс ";
                text += "единица върху " + factors[f][term].altitude;
            }
        }
        return text + ".";
    }();
    return words.c_str();
}

} // namespace

platform::FormDescription MainFormDescription()
{
    // clang-format off
    return {
        .name = "MainForm",
        .width = 6930, .height = 5175,
        .background = kLavender,
        .fontFamily = "Times New Roman", .fontPointSize = 12,
        .title = "www.example.org Геометрия - страни, височини, медиани",
        .language = "bg",
        .icon = PaintHamburger,
        .controls = {
//           kind           name        i  left   top   width height tab background text                      container flags
            {Label,         "Label1",   0,  600,    0,  5535,  375,   2, kOrange,   "Ъглополовящи в  триъгълник - височини, медиани", nullptr, Centered},
            {Frame,         "Frame1",   0,  120,  480,  1935, 1575,   4, kLavender, "Frame1"},
            {OptionButton,  "Option1",  0,  240,  120,  1575,  375,   5, kOrange,   calc::kKinds[0].caption.data(), "Frame1"},
            {OptionButton,  "Option1",  1,  240,  600,  1575,  375,   6, kOrange,   calc::kKinds[1].caption.data(), "Frame1"},
            {OptionButton,  "Option1",  2,  240, 1080,  1575,  375,  13, kOrange,   calc::kKinds[2].caption.data(), "Frame1"},
            {Label,         "Label2",   0, 3000,  600,  2175,  375,   7, kOrange,   calc::kKinds[0].labels[0].data()},
            {Label,         "Label2",   1, 3000, 1080,  2175,  375,   9, kOrange,   calc::kKinds[0].labels[1].data()},
            {Label,         "Label2",   2, 3000, 1560,  2175,  375,  11, kOrange,   calc::kKinds[0].labels[2].data()},
            {TextBox,       "Text2",    0, 5160,  600,  1215,  405,   8, kUsual,    ""},
            {TextBox,       "Text2",    1, 5160, 1080,  1215,  405,  10, kUsual,    ""},
            {TextBox,       "Text2",    2, 5160, 1560,  1215,  405,  12, kUsual,    ""},
            {ListBox,       "List1",    0, 2160,  600,   735,  345,  14, kUsual,    "",                        nullptr,  Hidden, Labels(0)},
            {ListBox,       "List1",    1, 2160, 1080,   735,  345,  15, kUsual,    "",                        nullptr,  Hidden, Labels(1)},
            {ListBox,       "List1",    2, 2160, 1560,   735,  345,  16, kUsual,    "",                        nullptr,  Hidden, Labels(2)},
            {CommandButton, "Command1", 0,  360, 2160,  1935,  375,  17, kGreen,    "Изчисли",                 nullptr,  Default},
            {CommandButton, "Command1", 1, 4440, 2160,  1935,  375,  18, kRed,      "Изчисти"},
            {PictureBox,    "Picture1", 0,  360, 2640,  6060,  510,   3, kUsual,    "",                        nullptr,  0, {}, PaintFormula},
            {TextBox,       "Text1",    0,  120, 3240,  6735, 1815,   0, kUsual,    model::kTaskText,                 nullptr,  MultiLine | Locked | Announced},
            {TextBox,       "Text1",    1,  600, 3240,  6735, 1815,   1, kUsual,    kQuotation,                nullptr,  MultiLine | Hidden},
        },
        // Label2(i) names the input box Text2(i).
        .labels = {{"Label2", "Text2"}},
        // What a screen reader says of the controls that show no name of their own.
        .spoken = {
            {"Frame1", 0, kKindsName},
            {"Text1", 0, kResultName},
            {"Picture1", 0, FormulaInWords()},
        },
    };
    // clang-format on
}

} // namespace window

#include "sample_form.h"

platform::FormDescription SampleForm()
{
    using enum platform::ControlKind;
    using platform::Default;
    using platform::Hidden;
    using platform::Locked;
    using platform::MultiLine;
    const QColor orange(255, 192, 128);
    const std::optional<QColor> usual;

    // clang-format off
    return {
        .name = "Sample",
        .width = 6000, .height = 4500,
        .background = QColor(192, 192, 255),
        .fontFamily = "Times New Roman", .fontPointSize = 12,
        .title = "Проба",
        .icon = [](QPainter &painter, const QRectF &rect) { painter.fillRect(rect, Qt::red); },
        .controls = {
//           kind           name      i  left   top  width height tab background  text       container flags
            {Label,         "Note",   0,   0,     0,  1500,  300,  9, orange,     "Първа:"},
            {TextBox,       "Line",   0, 1500,    0,  1500,  300,  2, usual,      "начало"},
            {TextBox,       "Line",   1, 3000,    0,  1500,  300,  1, usual,      ""},
            {TextBox,       "Memo",   0,    0,  600,  3000,  900,  0, usual,      "a\r\nb\r\n", nullptr, MultiLine | Locked},
            {TextBox,       "Notes",  0, 3000,  600,  3000,  900, 10, usual,      "",       nullptr, MultiLine},
            {Frame,         "Box",    0,  150, 1500,  3000, 1500,  3, orange,     "Box"},
            {OptionButton,  "Choice", 0,  150,  150,  1500,  300,  4, orange,     "едно",   "Box"},
            {OptionButton,  "Choice", 1,  150,  600,  1500,  300,  8, orange,     "две",    "Box"},
            {OptionButton,  "Choice", 2,  150, 1050,  1500,  300,  5, orange,     "три",    "Box"},
            {ListBox,       "Items",  0, 3000, 1500,  1500,  600,  6, usual,      "",       nullptr, Hidden, {"нула", "едно", "две"}},
            {TextBox,       "Aside",  0, 3000, 2100,  1500,  600, 13, usual,      "скрит\r\n", nullptr, Hidden | MultiLine},
            {CommandButton, "Button", 0, 3300, 3000,  1200,  375,  7, QColor(128, 255, 128), "Да", nullptr, Default},
            {CommandButton, "Button", 1, 4650, 3000,  1200,  375, 11, usual,      "Не"},
            {PictureBox,    "Sketch", 0,  150, 3600,  1500,  600, 12, usual,      "",       nullptr, 0, {},
             [](QPainter &painter, const QRectF &rect) { painter.fillRect(rect, Qt::blue); }},
        },
        .labels = {{"Note", "Line"}},
    };
    // clang-format on
}

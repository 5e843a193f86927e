#pragma once

// The figures of a triangle given by three of its elements (calc/chapter.h): one for each
// triangle that fits, side by side in one SVG document, each under its heading
// ("Триъгълник 1", …, where there are two or more), each drawn as the figure of its three
// sides is (figure.h), its ids prefixed "t1-", "t2-", … so that they stay apart.

#include "chapter.h"
#include "figure.h"

#include <string>
#include <string_view>

namespace figure
{

// The document (UTF-8); empty where no triangle has a figure (none fits, infinitely many
// do, or each is too thin to draw). `options` gives each figure's box and the decimal
// separator.
std::string ChapterSvg(const calc::chapter::Solution &solution, const FigureOptions &options = {});

// Why ChapterSvg draws nothing, as a sentence for the user; empty when it draws.
std::string ChapterNoFigureReason(const calc::chapter::Solution &solution);

} // namespace figure

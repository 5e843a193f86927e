#pragma once

// The figure of one triangle as an SVG document (figure::Svg), for the command line's
// --svg: a writer of the worksheet pipeline for three numbers given on their own. A triple
// that is refused, or a triangle that cannot be drawn, has no figure: a problem (status 1).

#include "document.h"

#include <string>
#include <string_view>

namespace worksheet
{

class SvgFigure final : public Document
{
public:
    explicit SvgFigure(std::string_view decimalSeparator) : separator_(decimalSeparator) {}

    calc::SolveOptions Options() const override { return {}; }
    Verdict Add(std::string &out, const Record &record) override;
    // The figure has no end of its own.
    Ending Finish(std::string & /*out*/) override { return {}; }

private:
    std::string separator_;
};

} // namespace worksheet

#include "report.h"

namespace calc
{
namespace
{

// The three input texts and the result text, held in memory.
class HeldTexts : public TextFields
{
public:
    explicit HeldTexts(const std::array<std::string_view, 3> &inputs) : inputs_(inputs) {}

    std::string InputText(int index) const override
    {
        return std::string(inputs_.at(static_cast<std::size_t>(index)));
    }
    std::string ResultText() const override { return result_; }
    void SetResultText(const std::string &text) override { result_ = text; }

private:
    const std::array<std::string_view, 3> &inputs_;
    std::string result_;
};

} // namespace

Report ReportFor(InputMode mode, const std::array<std::string_view, 3> &inputs,
                 std::string_view decimalSeparator)
{
    TriangleState state{.mode = mode};
    HeldTexts texts(inputs);
    const Outcome outcome = Calculate(state, texts, decimalSeparator);
    return {outcome, texts.ResultText()};
}

} // namespace calc

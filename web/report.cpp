// The calculation core's entry for the web page: one call per "Изчисли", with the input
// kind, the three input texts and the decimal separator, all UTF-8; it runs the same
// calc::Calculate as the window over texts held in memory and returns the report text.
// The page keeps nothing else in the module: the kind is all of the state a report needs.
#include "calculate.h"
#include "memory_fields.h"

#include <string>

namespace
{

MemoryFields fields;

} // namespace

extern "C" const char *BisectorsReport(int kind, const char *input0, const char *input1,
                                       const char *input2, const char *decimalSeparator)
{
    calc::TriangleState state{.mode = static_cast<calc::InputMode>(kind)};
    fields.inputs = {input0, input1, input2};
    calc::Calculate(state, fields, decimalSeparator);
    return fields.result.c_str();
}

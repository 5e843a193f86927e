#pragma once

#include "text_fields.h"

#include <array>
#include <string>

// The calculation's texts held in memory, standing in for the window's boxes; the
// tests, the benchmark and the fuzzer use it.
struct MemoryFields : calc::TextFields {
    std::array<std::string, 3> inputs;
    std::string result;
    int resultWrites = 0;

    std::string InputText(int index) const override
    {
        return inputs.at(static_cast<std::size_t>(index));
    }
    std::string ResultText() const override { return result; }
    void SetResultText(const std::string &text) override
    {
        result = text;
        ++resultWrites;
    }
};

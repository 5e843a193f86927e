#pragma once

// SplitMix64: the same numbers from the same seed wherever the program runs (the command
// line and the web page make the same exercises from the same seed).

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace teacher
{

class Random
{
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15U);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
        return z ^ (z >> 31);
    }

    // A number in [0, n), n > 0.
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

    template<typename T> void Shuffle(std::vector<T> &items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(i)]);
    }

private:
    std::uint64_t state_;
};

} // namespace teacher

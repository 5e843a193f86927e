// The cases of the web edition's tests, with the native library's report for each, as
// JSON lines {"name", "kind", "inputs", "separator", "report"}: first the table below,
// which the browser test types into the page, then `count` generated ones (argument 1,
// fixed seed) for the differential test, which requires the WebAssembly core to give
// the same report texts: triangles of all sizes, refusals, and odd texts.
#include "calculate.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace
{

struct Case {
    std::string name;
    int kind; // 0 altitudes, 1 sides, 2 medians
    std::array<std::string, 3> inputs;
    std::string separator = ".";
};

// The separator is that of the browser's language: "," runs under Bulgarian.
const Case kTable[] = {
    {"Sides 3, 4, 5", 1, {"3", "4", "5"}},
    {"Medians 3, 4, 5", 2, {"3", "4", "5"}},
    {"Altitudes of the 3-4-5 triangle", 0, {"4", "3", "2.4"}},
    {"Altitudes 2, 3, 4", 0, {"2", "3", "4"}},
    {"Altitudes 4, 5, 10 of an obtuse triangle", 0, {"4", "5", "10"}},
    {"Huge sides", 1, {"3e100", "4e100", "5e100"}},
    {"Tiny medians", 2, {"3E-100", "4e-100", "5d-100"}},
    {"Texts read as typed", 1, {" 3 ", "4cm", "&H5"}},
    {"Octal, D exponent, trailing point", 2, {"&O3", "4D0", "+5."}},
    {"Comma read under a point locale", 1, {"3,5", "4", "5"}},
    {"Refused: degenerate sides", 1, {"1", "2", "3"}},
    {"Refused: empty inputs", 0, {"", "", ""}},
    {"Refused: letters", 2, {"три", "four", "5"}},
    {"Out of range", 1, {"3e200", "4e200", "5e200"}},
    {"Too long: an exponent of ten digits", 1, {"1e1000000003", "1e1000000000", "1e1000000000"}},
    {"Too long: 201 significant digits", 0, {"4", "3", "2." + std::string(199, '4')}},
    {"Spaces, tabs and line feeds inside", 0, {"1 2", "1\t3", "1\n4"}},
    {"Medians 3, 4, 5 in Bulgarian", 2, {"3", "4", "5"}, ","},
    {"Altitudes 2, 3, 4 in Bulgarian", 0, {"2", "3", "4"}, ","},
    {"Sides 3,5, 4, 5 typed as a Bulgarian writes them", 1, {"3,5", "4", "5"}, ","},
};

std::string Report(const Case &c)
{
    const calc::Solution solution = calc::Calculate(
        static_cast<calc::InputMode>(c.kind), {c.inputs[0], c.inputs[1], c.inputs[2]}, c.separator);
    return calc::ReportText(solution, {.decimalSeparator = c.separator});
}

std::string Json(const std::string &text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

void Print(const Case &c)
{
    std::printf("{\"name\":%s,\"kind\":%d,\"inputs\":[%s,%s,%s],\"separator\":%s,\"report\":%s}\n",
                Json(c.name).c_str(), c.kind, Json(c.inputs[0]).c_str(), Json(c.inputs[1]).c_str(),
                Json(c.inputs[2]).c_str(), Json(c.separator).c_str(), Json(Report(c)).c_str());
}

// Random inputs, from one seed.
class Generator
{
public:
    Case Next(int number)
    {
        Case c{"generated " + std::to_string(number), Pick(3), {}, Choose({".", ",", "\u066B"})};
        switch (number % 4) {
        case 0: { // three lengths of one size, any size (often moderate), written in any form
            const double size = std::pow(10.0, Pick(2) ? Pick(31) - 15 : Pick(641) - 320);
            for (std::string &input : c.inputs)
                input = Numeral(Uniform(0.5, 2.0) * size);
            break;
        }
        case 1: { // on or near the edge of refusal, in any order
            const double a = Uniform(0.1, 10), b = Uniform(0.1, 10);
            const double sum = a + b + (Pick(2) ? 0.0 : Uniform(-1e-12, 1e-12));
            const std::array<double, 3> x{a, b, Pick(4) ? sum : -sum};
            const int turn = Pick(3);
            for (int i = 0; i < 3; ++i)
                c.inputs[static_cast<std::size_t>((i + turn) % 3)] =
                    Numeral(x[static_cast<std::size_t>(i)]);
            break;
        }
        case 2: // numbers in odd dress, or odd texts alone
            for (std::string &input : c.inputs)
                input = Pick(4) ? Dressed(Numeral(Uniform(3, 5))) : OddText();
            break;
        default: { // the edges of the double range, often all three alike
            const std::string edge =
                Choose({"1.7976931348623157e308", "2.2250738585072014e-308",
                        "4.9406564584124654e-324", "1e-310", "8.98846567431158e307", "1e154",
                        "1e-154", "6.703903964971299e+153", "&H" + std::string(255, 'F'), "0"});
            for (std::string &input : c.inputs)
                input = Pick(2) ? edge : Numeral(ReadBack(edge) * Uniform(0.9, 1.1));
            break;
        }
        }
        return c;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    double Uniform(double from, double to)
    {
        return std::uniform_real_distribution<double>(from, to)(random_);
    }
    std::string Choose(std::initializer_list<std::string> options)
    {
        return *(options.begin() + Pick(static_cast<int>(options.size())));
    }

    static double ReadBack(const std::string &text) { return calc::ReadNumber(text); }

    // The shortest text that reads back exactly, or the value rounded to 1 to 20 digits.
    std::string Numeral(double value)
    {
        char buffer[64];
        char *end =
            Pick(2) ? std::to_chars(buffer, buffer + sizeof buffer, value).ptr
                    : buffer + std::snprintf(buffer, sizeof buffer, "%.*g", 1 + Pick(20), value);
        std::string text(buffer, static_cast<std::size_t>(end - buffer));
        if (Pick(5) == 0 && text.find('e') != std::string::npos)
            text[text.find('e')] = Pick(2) ? 'D' : 'E';
        return text;
    }

    // The numeral with blanks inside, a sign, leading zeros, a unit, or as an integer in
    // hexadecimal or octal.
    std::string Dressed(std::string numeral)
    {
        static const std::string blanks[] = {" ", "\t", "\n", "  "};
        static const std::string units[] = {"", "cm", " см", ",5", "x", "e", "D+", "\r1"};
        switch (Pick(4)) {
        case 0:
            for (std::size_t at = numeral.size(); at > 0; --at)
                if (Pick(3) == 0)
                    numeral.insert(at, blanks[Pick(4)]);
            break;
        case 1:
            numeral = std::string(Pick(2) ? "+" : " ") +
                      std::string(static_cast<std::size_t>(Pick(4)), '0') + numeral;
            break;
        case 2: {
            char buffer[32];
            const auto value = static_cast<unsigned>(ReadBack(numeral));
            std::snprintf(buffer, sizeof buffer, Pick(2) ? "&H%X" : "&o%o", value);
            numeral = buffer;
            break;
        }
        default:
            break;
        }
        return numeral + units[Pick(8)];
    }

    // Characters and pieces that numbers are made of, or that come near them.
    std::string OddText()
    {
        static const std::string characters = "0123456789.eEdD+-, \t\n\r&hFx";
        static const std::string pieces[] = {
            "&H", "&O", "см", "три", "½", std::string(30, '0'), std::string(32, '9')};
        std::string text;
        for (int length = Pick(12); length > 0; --length) {
            if (Pick(4))
                text +=
                    characters[static_cast<std::size_t>(Pick(static_cast<int>(characters.size())))];
            else
                text += pieces[Pick(static_cast<int>(std::size(pieces)))];
        }
        return text;
    }

    std::mt19937_64 random_{20261208};
};

} // namespace

int main(int argc, char **argv)
{
    for (const Case &c : kTable)
        Print(c);
    const int count = argc > 1 ? std::atoi(argv[1]) : 0;
    Generator generator;
    for (int number = 0; number < count; ++number)
        Print(generator.Next(number));
    return 0;
}

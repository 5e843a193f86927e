#include "calculate.h"
#include "exact_block.h"
#include "report.h"
#include "row_name.h"
#include "solution.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using namespace solution;

// The HTML of a step read back as one line: its cells " | ", the places where a row may
// break " ^ ", a group that wraps as one "[ ]", a note that takes a phone's whole width
// "« »"; fractions {a/b}, roots √{a}, scripts a^b and a_b, the invisible times left out.
class Reader
{
public:
    explicit Reader(const std::string &html)
    {
        XML_Parser parser = XML_ParserCreate("UTF-8");
        XML_SetUserData(parser, this);
        XML_SetElementHandler(parser, Start, End);
        XML_SetCharacterDataHandler(parser, [](void *self, const XML_Char *text, int length) {
            static_cast<Reader *>(self)->open_.back().parts.emplace_back(text, length);
        });
        open_.push_back({});
        const bool read =
            XML_Parse(parser, html.data(), static_cast<int>(html.size()), 1) == XML_STATUS_OK;
        XML_ParserFree(parser);
        line_ = read ? Joined(open_.front().parts, "") : "not well-formed";
    }
    const std::string &Line() const { return line_; }

private:
    struct Element {
        std::string name, classes;
        std::vector<std::string> parts;
    };

    static std::string Joined(const std::vector<std::string> &parts, std::string_view between)
    {
        std::string joined;
        for (const std::string &part : parts)
            joined += (joined.empty() ? "" : std::string(between)) + part;
        return joined;
    }

    static void Start(void *self, const XML_Char *name, const XML_Char **attributes)
    {
        Element element{name, "", {}};
        for (; *attributes != nullptr; attributes += 2)
            if (std::string_view(attributes[0]) == "class")
                element.classes = attributes[1];
        static_cast<Reader *>(self)->open_.push_back(element);
    }

    static void End(void *data, const XML_Char *)
    {
        auto &open = static_cast<Reader *>(data)->open_;
        Element e = std::move(open.back());
        open.pop_back();
        const std::vector<std::string> &p = e.parts;
        std::string text = Joined(p, "");
        if (e.name == "wbr")
            text = " ^ ";
        else if (e.name == "mo" && text == "\u2062")
            text.clear();
        else if (e.name == "mfrac")
            text = "{" + p.at(0) + "/" + p.at(1) + "}";
        else if (e.name == "msqrt")
            text = "√{" + text + "}";
        else if (e.name == "msub" || e.name == "msup")
            text = p.at(0) + (e.name == "msub" ? "_" : "^") + p.at(1);
        else if (e.name == "msubsup")
            text = p.at(0) + "_" + p.at(1) + "^" + p.at(2);
        else if (e.classes == "group")
            text = "[" + text + "]";
        else if (e.classes == "note long")
            text = "«" + text + "»";
        else if (e.classes == "step")
            text = Joined(p, " | ");
        open.back().parts.push_back(text);
    }

    std::vector<Element> open_;
    std::string line_;
};

Expression N(int value)
{
    return Integer(value);
}

// A chain of the items, related by `relations`, or by = (≈ before a rounded number).
Expression Formula(std::vector<Expression> items, std::vector<Relation> relations = {})
{
    Chain chain(std::move(items.front()));
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (i <= relations.size())
            chain.Then(relations[i - 1], std::move(items[i]));
        else
            chain.Is(std::move(items[i]));
    }
    return chain.Take();
}

struct LayoutCase {
    const char *name;
    std::vector<Expression> formulas;
    std::string note;
    std::string line; // as Reader reads it
    bool equation = false;
};

std::ostream &operator<<(std::ostream &os, const LayoutCase &c)
{
    return os << c.name;
}

class LayoutTest : public testing::TestWithParam<LayoutCase>
{
};

// A step is cells of a grid: each chain's first item, then a row of its relations, each a
// group, cut only before a relation, a term, a dotted factor or a bracket that follows a
// bracket.
TEST_P(LayoutTest, RowsBreakOnlyAtTheTopLevel)
{
    std::string html;
    AppendMathMl(
        html,
        {.parts = {{"", {{GetParam().formulas, Note(GetParam().note), GetParam().equation}}}}});
    const std::string step = html.substr(html.find("<div"));
    EXPECT_EQ(Reader(step).Line(), GetParam().line) << step;
}

const Expression kA = Symbol("a"), kB = Symbol("b"), kP = Symbol("p");
const std::string kLongNote = "медианите на всеки триъгълник образуват триъгълник";

// A decimal that is the value rounded.
Expression RoundedDecimal(double value)
{
    calc::Digits digits = calc::DigitsOf(value);
    digits.exact = false;
    return Decimal(digits);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LayoutTest,
    testing::Values(
        LayoutCase{"ARowARelation",
                   {Formula({kA, Fraction(Product(List(N(2), Symbol("S"))), Symbol("h", 'a')),
                             RoundedDecimal(6.75)})},
                   {},
                   "a | [={2S/h_a}] ^ [≈6.75]"},
        LayoutCase{
            "AnyNumberOfRelations",
            {Formula({kA, N(1), N(2), N(3), N(4), N(5)},
                     {Relation::Equal, Relation::Equal, Relation::Approximate, Relation::Less})},
            {},
            "a | [=1] ^ [=2] ^ [≈3] ^ [<4] ^ [=5]"},
        LayoutCase{"ACoefficientStaysWithItsRoot",
                   {Formula({kA, Product(List(Fraction(N(2), N(3)), N(2), Root(N(13))))})},
                   {},
                   "a | [={2/3} ^ ·2√{13}]"},
        LayoutCase{"SumsBreakBeforeEachTermAtTheTopLevelOnly",
                   {Formula({Sum(List(kA, kB)), Sum(List(N(1), N(2), Negative(N(3)))),
                             Root(Sum(List(N(1), N(2)))), Fraction(Sum(List(N(1), N(2))), N(3))})},
                   {},
                   "a ^ +b | [=1 ^ +2 ^ −3] ^ [=√{1+2}] ^ [={1+2/3}]"},
        LayoutCase{"BracketsBreakOnlyBetweenEachOther",
                   {Formula({Symbol("y"), Product(List(kP, Sum(List(kP, Negative(kA))),
                                                       Sum(List(kP, Negative(kB)))))})},
                   {},
                   "y | [=p(p−a) ^ (p−b)]"},
        LayoutCase{"AProductTermWrapsOnlyWhereItHasALineOfItsOwn",
                   {Formula({Symbol("l"), Sum(List(Product(List(RoundedDecimal(4.8), N(3))),
                                                   Negative(Fraction(N(1), N(2))),
                                                   Product(List(N(2), N(3), kA))))})},
                   {},
                   "l | [[≈4.8 ^ ·3] ^ −{1/2} ^ [+2 ^ ·3a]]"},
        LayoutCase{"ANoteGoesOnFromTheLastRow",
                   {Formula({kA, Negative(N(1)), N(0)}, {Relation::Equal, Relation::Less}),
                    Formula({kB, N(2)})},
                   "why",
                   "a | [=−1] ^ [<0] | b | [=2:] why"},
        LayoutCase{"AFunctionOfAnAngleKeptWhole",
                   {Formula({Symbol("cos α"), Fraction(N(4), N(5))})},
                   {},
                   "cos\u2061α | [={4/5}]"},
        LayoutCase{"ANoteAfterAFormulaWithoutRelations", {Formula({kA})}, "why", "a: why"},
        LayoutCase{"ALongNoteBesideWideSides",
                   {Formula({Sum(List(Product(List(N(2), Square(Symbol("m", 'a')))),
                                      Product(List(N(2), Square(Symbol("m", 'b')))))),
                             N(5)})},
                   kLongNote,
                   "2m_a^2 ^ +2m_b^2 | [=5:] «" + kLongNote + "»"},
        LayoutCase{"AnEquationWholeOnItsLine",
                   {Formula({Sum(List(Product(List(N(2), Square(Symbol("m", 'a')))),
                                      Product(List(N(2), Square(Symbol("m", 'b')))))),
                             N(5)})},
                   kLongNote,
                   "2m_a^2 ^ +2m_b^2 ^ [=5:] «" + kLongNote + "»",
                   true},
        LayoutCase{"ALongNoteBesideNarrowSides",
                   {Formula({Sum(List(kA, kB)), N(5)})},
                   kLongNote,
                   "a ^ +b | [=5:] " + kLongNote},
        LayoutCase{"ANoteAlone", {}, "why", "why"}),
    RowName<LayoutCase>);

struct BracketCase {
    const char *name;
    Expression formula;
    std::string grown; // the brackets that grow with what they hold, "(" or ")" each
};

std::ostream &operator<<(std::ostream &os, const BracketCase &c)
{
    return os << c.name;
}

class BracketTest : public testing::TestWithParam<BracketCase>
{
};

// Brackets grow round a fraction, wherever in them it stands, and round nothing else: a
// grown bracket round a line of text is taller than the text and pushes an exponent up.
TEST_P(BracketTest, GrowOnlyRoundAFraction)
{
    std::string html;
    AppendMathMl(html, {.parts = {{"", {{{GetParam().formula}, {}}}}}});
    constexpr std::string_view kGrowing = "<mo fence=\"true\">";
    std::string grown;
    for (std::size_t at = html.find(kGrowing); at != std::string::npos;
         at = html.find(kGrowing, at + 1))
        grown += html.substr(at + kGrowing.size(), 1);
    EXPECT_EQ(grown, GetParam().grown) << html;
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, BracketTest,
    testing::Values(
        BracketCase{"RoundASum",
                    Formula({Symbol("S"), Root(Product(List(kP, Sum(List(kP, Negative(kA))),
                                                            Sum(List(kP, Negative(kB))))))}),
                    ""},
        BracketCase{"RoundASquaredSum", Formula({kA, Square(Sum(List(kB, Symbol("c"))))}), ""},
        BracketCase{"RoundAFraction",
                    Formula({kA, Product(List(Sum(List(Fraction(N(1), N(4)), Fraction(N(1), N(5)))),
                                              Sum(List(kA, kB))))}),
                    "()"},
        BracketCase{"RoundAFractionUnderARoot",
                    Formula({kA, Square(Product(List(N(2), Root(Fraction(N(1), N(3))))))}), "()"}),
    RowName<BracketCase>);

struct ExactCase {
    const char *name;
    calc::InputMode mode;
    std::array<const char *, 3> inputs;
};

std::ostream &operator<<(std::ostream &os, const ExactCase &c)
{
    return os << c.name;
}

class ExactValuesTest : public testing::TestWithParam<ExactCase>
{
};

// The formulas of the exact values say what the report's lines say, and nothing where it
// lists none.
TEST_P(ExactValuesTest, AreTheReportsExactLines)
{
    const ExactCase &c = GetParam();
    const calc::Solution solved = calc::Calculate(c.mode, {c.inputs[0], c.inputs[1], c.inputs[2]},
                                                  ".", {.exactValues = true});
    std::string report;
    calc::AppendExactValues(report, solved, {.lineEnd = "\n"});
    if (!report.empty())
        report.erase(0, calc::kExactHeading.size() + 1);
    const std::vector<Step> values = ExactValues(solved);
    std::string text; // the title's empty line, then a formula a line
    if (!values.empty())
        AppendText(text, {.parts = {{"", values}}});
    EXPECT_EQ(text, report.empty() ? "" : "\n" + report);
}

INSTANTIATE_TEST_SUITE_P(
    Triples, ExactValuesTest,
    testing::Values(
        ExactCase{"Medians", calc::InputMode::Medians, {"3", "4", "5"}},
        ExactCase{"Sides", calc::InputMode::Sides, {"3", "4", "5"}},
        ExactCase{"Altitudes", calc::InputMode::Heights, {"4", "5", "10"}},
        ExactCase{"Decimals", calc::InputMode::Sides, {"3.1", "4.3", "5.7"}},
        ExactCase{"FormulaDigits", calc::InputMode::Medians, {"0.1", "10", "10"}},
        ExactCase{"FormulaDigitsWithoutAForm", calc::InputMode::Heights, {"9.1", "3.7", "4.6"}},
        ExactCase{"NoFormAtAll", calc::InputMode::Sides, {"8.99098", "6.96466", "15.29403"}},
        ExactCase{"Refused", calc::InputMode::Sides, {"1", "2", "3"}}),
    RowName<ExactCase>);

} // namespace

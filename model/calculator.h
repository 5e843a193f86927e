#pragma once

// The behaviour model: what the program's window shows and does, without any toolkit.
//
// The window holds a choice of kind (altitudes, sides or medians), three input texts
// labelled for that kind, and a result text. The user can choose a kind, type, press
// "Изчисли" (calculate) and "Изчисти" (clear); the window's load event resets the inputs.
// This class is that behaviour, once: the Qt window (window/) and the web page (web/) are
// views that pass the user's actions to it and show its state, and the tests drive it
// without a display. The calculation itself is the core's (calc/).

#include "calculate.h"
#include "kinds.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace model
{

using calc::InputMode;

inline constexpr int kInputCount = 3;

// The statement of the exercise the program answers, the result text at start.
extern const char *const kTaskText;

// What "Изчисти" says to screen readers: what it did, as the window then shows it.
extern const char *const kClearedText;

class Calculator
{
public:
    // `decimalSeparator` is the user's locale's: numbers are printed with it, and read
    // with it as well as with ".".
    explicit Calculator(std::string_view decimalSeparator = ".");

    // What a view shows.
    const std::string &DecimalSeparator() const { return separator_; }
    InputMode Kind() const { return kind_; }
    const std::string &Input(int index) const;
    const char *Label(int index) const;
    // The result box's text: the task at start, a report (lines ended by CR LF), the
    // refusal, or nothing after "Изчисти".
    const std::string &Result() const { return result_; }
    // The solution the result reports, if it reports one, with its exact forms.
    const std::optional<calc::Solution> &Solution() const { return solution_; }
    // Counters that grow each time the view should move the focus to the first input,
    // and each time it should read the Announcement out to screen readers, once (even
    // when it reads as before) and show the result's end, where a report has the
    // bisectors.
    unsigned FocusRequests() const { return focusRequests_; }
    unsigned Announcements() const { return announcements_; }
    // The last announcement, which screen readers may still find: the result after
    // "Изчисли", kClearedText after "Изчисти", which leaves nothing of the old report
    // (nothing before the first).
    const std::string &Announcement() const { return announcement_; }

    // What the user does.
    void Load();                     // the window has loaded: the inputs are reset
    void SelectKind(InputMode kind); // relabels and empties the inputs; the result stays
    void SetInput(int index, std::string_view text);
    void Calculate(); // "Изчисли": the report of the inputs replaces the result
    void Clear();     // "Изчисти": the inputs are reset and the result emptied

private:
    void ResetInputs();
    void EmptyInputs();

    std::string separator_;
    InputMode kind_ = InputMode::Heights;
    std::array<std::string, kInputCount> inputs_;
    std::string result_;
    std::optional<calc::Solution> solution_;
    std::string announcement_;
    unsigned focusRequests_ = 0;
    unsigned announcements_ = 0;
};

} // namespace model

#pragma once

// Text as UTF-8: what the program writes is UTF-8 whatever bytes it was given, and fit to
// show on a terminal, in an HTML page and in a document, so the texts it echoes (a
// worksheet's line, an argument) show each byte that is not part of a well-formed UTF-8
// sequence as U+FFFD, the replacement character, one for each byte, and each control
// character (NUL, a CR inside a line, ESC, DEL, the C1 controls; all but the tab) and
// U+FFFE and U+FFFF, which XML cannot carry, as one U+FFFD. Well-formed means as Unicode
// defines it: no overlong forms, no surrogates, nothing beyond U+10FFFF.
//
// Here too is what counts as a space between numbers (SpaceLength): the core's reading of
// a number passes over spaces, and a worksheet's line is split into fields at them.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace calc
{

// U+FFFD in UTF-8.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
// U+FEFF, the byte order mark, which some editors write at the start of a UTF-8 file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the well-formed UTF-8 sequence at the start of `text` (1 to 4), 0 if
// there is none.
std::size_t Utf8SequenceLength(std::string_view text);

// The length of the character at the start of `text` that is echoed as it is: a
// well-formed sequence that is neither a control character nor U+FFFE or U+FFFF; 0 if
// there is none.
std::size_t Utf8ShownLength(std::string_view text);

// The length of the longest start of `text` that is valid, echoed as it is, from `from`
// on, `from` being where such a start ends.
std::size_t Utf8ValidLength(std::string_view text, std::size_t from);

// The length of the longest start of `text` that is valid: well-formed UTF-8 without a
// character shown as U+FFFD; text.size() when all of it is. Printable ASCII, what
// worksheets almost always are, is passed over eight bytes at a time.
inline std::size_t Utf8ValidLength(std::string_view text)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    std::size_t i = 0;
    for (std::uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
        std::memcpy(&word, text.data() + i, sizeof word);
        // A byte beyond ASCII, one below the space (a control character or a tab) or
        // DEL ends the fast part.
        const std::uint64_t below = (word - kOnes * ' ') & ~word;
        const std::uint64_t del = (word ^ (kOnes * 0x7F)) - kOnes;
        if (((word | below | del) & kHighBits) != 0)
            break;
    }
    while (i < text.size() && text[i] >= ' ' && text[i] < 0x7F)
        ++i;
    return i == text.size() ? i : Utf8ValidLength(text, i);
}

// How many characters `text` has: its bytes that begin one (all but the continuation bytes
// 10xxxxxx), what layouts that measure text by its characters count.
inline std::size_t Utf8Characters(std::string_view text)
{
    std::size_t characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return characters;
}

// Appends `text` with each byte that is not part of a well-formed sequence, and each
// character that is not shown as it is, as U+FFFD.
void AppendUtf8(std::string &out, std::string_view text);

// `text` itself when it is valid (Utf8ValidLength); otherwise `storage`, made its copy
// with U+FFFD as AppendUtf8 puts it.
inline std::string_view ValidUtf8(std::string_view text, std::string &storage)
{
    if (Utf8ValidLength(text) == text.size())
        return text;
    storage.clear();
    AppendUtf8(storage, text);
    return storage;
}

// The length of the space at the start of `text`: a space, a tab, or another of
// Unicode's spaces (Zs: the no-break space U+00A0, U+1680, the spaces U+2000 to U+200A
// with the figure and the thin space, the narrow no-break space U+202F, U+205F, U+3000);
// 0 if it starts with none.
inline std::size_t SpaceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0U;
    };
    switch (byte(0)) {
    case ' ':
    case '\t':
        return 1;
    case 0xC2: // U+00A0
        return byte(1) == 0xA0 ? 2 : 0;
    case 0xE1: // U+1680
        return byte(1) == 0x9A && byte(2) == 0x80 ? 3 : 0;
    case 0xE2: { // U+2000 to U+200A, U+202F, U+205F
        const bool general = byte(1) == 0x80 && byte(2) >= 0x80 && byte(2) <= 0x8A;
        const bool narrow = byte(1) == 0x80 && byte(2) == 0xAF;
        const bool mathematical = byte(1) == 0x81 && byte(2) == 0x9F;
        return general || narrow || mathematical ? 3 : 0;
    }
    case 0xE3: // U+3000
        return byte(1) == 0x80 && byte(2) == 0x80 ? 3 : 0;
    default:
        return 0;
    }
}

} // namespace calc

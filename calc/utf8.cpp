#include "utf8.h"

#include <algorithm>

namespace calc
{

std::size_t Utf8SequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

std::size_t Utf8ShownLength(std::string_view text)
{
    const std::size_t length = Utf8SequenceLength(text);
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (length == 1 && (byte(0) < ' ' || byte(0) == 0x7F))
        return byte(0) == '\t' ? 1 : 0; // C0 and DEL
    if (length == 2 && byte(0) == 0xC2 && byte(1) < 0xA0)
        return 0; // C1, U+0080 to U+009F
    if (length == 3 && byte(0) == 0xEF && byte(1) == 0xBF && byte(2) >= 0xBE)
        return 0; // U+FFFE, U+FFFF
    return length;
}

std::size_t Utf8ValidLength(std::string_view text, std::size_t from)
{
    while (from < text.size()) {
        const std::size_t length = Utf8ShownLength(text.substr(from));
        if (length == 0)
            break;
        from += length;
    }
    return from;
}

void AppendUtf8(std::string &out, std::string_view text)
{
    while (!text.empty()) {
        const std::size_t valid = Utf8ValidLength(text);
        out += text.substr(0, valid);
        text.remove_prefix(valid);
        if (!text.empty()) {
            // A character not shown, or a byte of no character.
            out += kReplacementCharacter;
            text.remove_prefix(std::max<std::size_t>(Utf8SequenceLength(text), 1));
        }
    }
}

} // namespace calc

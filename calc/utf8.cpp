#include "utf8.h"

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

std::size_t Utf8ValidLength(std::string_view text, std::size_t from)
{
    while (from < text.size()) {
        const std::size_t length = Utf8SequenceLength(text.substr(from));
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
            out += kReplacementCharacter;
            text.remove_prefix(1);
        }
    }
}

} // namespace calc

#include "IntegerText.h"

#include "data/Errors.h"

#include <cstdint>

namespace lumetra {

namespace {

[[noreturn]] void ThrowNotAnInteger(const QString& text) {
    throw LumetraError(FormatMessage("'%s' is not a valid integer value", text.toStdString()));
}

// The digit's value in the base, or -1 when it is none of its digits.
int DigitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

bool IsHexMark(QChar c) {
    return c == u'x' || c == u'X';
}

} // namespace

int IntegerFromText(const QString& text) {
    const qsizetype length = text.size();
    qsizetype at = 0;
    while (at < length && text[at] == u' ')
        ++at;
    bool negative = false;
    if (at < length && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    // "$", "x" or "0x" introduces hexadecimal digits.
    const bool zeroX = at + 1 < length && text[at] == u'0' && IsHexMark(text[at + 1]);
    const bool mark = at < length && (text[at] == u'$' || IsHexMark(text[at]));
    const int base = zeroX || mark ? 16 : 10;
    at += zeroX ? 2 : mark ? 1 : 0;
    if (at == length)
        ThrowNotAnInteger(text);
    // The magnitude may reach 2^31 only when negative; checked at every digit, so it never
    // grows past 16 * 2^31.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (; at < length; ++at) {
        const int digit = DigitValue(text[at], base);
        if (digit < 0)
            ThrowNotAnInteger(text);
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            ThrowNotAnInteger(text);
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace lumetra

#include "hpgl/HpglScanner.h"

#include <algorithm>
#include <cmath>

namespace markast::hpgl {

namespace {

constexpr char Escape = '\x1b';

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isNumberStart(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// A printer job's language lines, before and after the drawing.
constexpr QByteArrayView PjlPrefix = "@PJL";

bool isPclGroup(char c) {
    return c >= 0x60 && c <= 0x7e;
}

bool isPclFinal(char c) {
    return c >= 0x40 && c <= 0x5e;
}

// ESC . commands that take no parameters.
bool takesNoParameters(char command) {
    for (const char c : {'(', ')', 'Y', 'Z', 'B', 'E', 'J', 'K', 'L', 'O', 'R'}) {
        if (command == c)
            return true;
    }
    return false;
}

} // namespace

std::optional<Mnemonic> Scanner::nextMnemonic() {
    while (!atEnd()) {
        const char c = in_[at_];
        if (c == Escape) {
            skipEscape();
        } else if (c == '@' && in_.sliced(at_).startsWith(PjlPrefix)) {
            skipPast('\n');
        } else if (isLetter(c) && at_ + 1 < in_.size() && isLetter(in_[at_ + 1])) {
            const Mnemonic mnemonic{upper(c), upper(in_[at_ + 1])};
            at_ += 2;
            return mnemonic;
        } else {
            ++at_;
        }
    }
    return std::nullopt;
}

// ESC . and a command with its parameters up to ':', a plotter's; PCL's ESC, a character from
// '!' to '/', perhaps a group letter, and values each followed by a letter, lower case while
// more follow, with the bytes of data that W and a few others carry; or ESC and one character.
void Scanner::skipEscape() {
    ++at_;
    if (atEnd())
        return;
    const char kind = in_[at_++];
    if (kind == '.') {
        if (atEnd() || takesNoParameters(in_[at_++]))
            return;
        while (!atEnd() && (isNumberStart(in_[at_]) || in_[at_] == ';'))
            ++at_;
        if (!atEnd() && in_[at_] == ':')
            ++at_;
    } else if (kind >= '!' && kind <= '/') {
        const char group = !atEnd() && isPclGroup(in_[at_]) ? in_[at_++] : '\0';
        while (!atEnd()) {
            const std::optional<double> value = isNumberStart(in_[at_]) ? number() : std::nullopt;
            if (atEnd())
                return;
            const char letter = in_[at_];
            if (!isPclGroup(letter) && !isPclFinal(letter))
                return;
            ++at_;
            const bool data = letter == 'W' || letter == 'w' ||
                              (kind == '*' && group == 'b' && (letter == 'V' || letter == 'v')) ||
                              (kind == '&' && group == 'p' && letter == 'X');
            if (data && value)
                at_ += qsizetype(std::clamp(*value, 0.0, double(in_.size() - at_)));
            if (isPclFinal(letter))
                return;
        }
    }
}

// One number, if one is next: HP-GL numbers have no exponent. One with more digits than a
// double holds is no coordinate; it is read whole and marked as bad.
std::optional<double> Scanner::number() {
    qsizetype i = at_;
    double sign = 1;
    if (in_[i] == '-' || in_[i] == '+')
        sign = in_[i++] == '-' ? -1 : 1;
    double value = 0;
    double scale = 1;
    int digits = 0;
    bool fraction = false;
    bool any = false;
    for (; i < in_.size(); ++i) {
        const char c = in_[i];
        if (c == '.' && !fraction) {
            fraction = true;
        } else if (c >= '0' && c <= '9') {
            any = true;
            if (!fraction) {
                value = value * 10 + (c - '0');
                digits += value > 0;
            } else if (digits < 17) {
                scale /= 10;
                value += (c - '0') * scale;
            }
        } else {
            break;
        }
    }
    if (!any)
        return std::nullopt;
    at_ = i;
    bad_ |= digits > 15;
    return sign * value;
}

const std::vector<double>& Scanner::parameters() {
    values_.clear();
    bad_ = false;
    bool comma = false; // since the last number
    while (!atEnd()) {
        const char c = in_[at_];
        // A newline ends the instruction, unless a comma on either side of it carries the
        // numbers on to the next line.
        const bool carried = c == '\n' && (comma || (at_ + 1 < in_.size() && in_[at_ + 1] == ','));
        if (c == ',' || c == ' ' || c == '\t' || c == '\r' || carried) {
            comma |= c == ',';
            ++at_;
        } else if (isNumberStart(c)) {
            comma = false;
            if (const std::optional<double> value = number())
                values_.push_back(*value);
            else
                ++at_; // a lone sign or point
        } else {
            if (c == ';' || c == '\n')
                ++at_;
            break;
        }
    }
    return values_;
}

QByteArrayView Scanner::textUpTo(char terminator) {
    const qsizetype end = in_.indexOf(terminator, at_);
    const qsizetype stop = end < 0 ? in_.size() : end;
    const QByteArrayView text = in_.sliced(at_, stop - at_);
    at_ = end < 0 ? in_.size() : end + 1;
    return text;
}

// A quote that is never closed is a stray one, and hides nothing after it.
void Scanner::skipComment() {
    while (!atEnd() && (in_[at_] == ' ' || in_[at_] == ','))
        ++at_;
    if (!atEnd() && in_[at_] == '"') {
        const qsizetype end = in_.indexOf('"', at_ + 1);
        at_ = end < 0 ? at_ + 1 : end + 1;
    }
    parameters();
}

void Scanner::skipPast(char c) {
    while (!atEnd() && in_[at_++] != c) {
    }
}

std::optional<double> Scanner::encodedNumber(bool sevenBit, int fractionBits) {
    const int base = sevenBit ? 32 : 64;
    double value = 0;
    double weight = 1;
    for (int digits = 0; !atEnd(); ++digits) {
        const auto c = quint8(in_[at_]);
        const bool more = sevenBit ? (c >= 63 && c <= 94) : (c >= 63 && c <= 126);
        const bool last = sevenBit ? (c >= 95 && c <= 126) : (c >= 191 && c <= 254);
        if (!more && !last)
            return std::nullopt;
        ++at_;
        value += (c - (more ? 63 : sevenBit ? 95 : 191)) * weight;
        weight *= base;
        if (last) {
            if (digits > 10)
                return std::nullopt;
            const double magnitude = std::floor(value / 2);
            return (std::fmod(value, 2) == 1 ? -magnitude : magnitude) /
                   std::ldexp(1.0, fractionBits);
        }
    }
    return std::nullopt;
}

} // namespace markast::hpgl

#pragma once

#include <QByteArrayView>

#include <optional>
#include <vector>

namespace markast::hpgl {

// An instruction's two letters, upper-cased.
struct Mnemonic {
    char first;
    char second;
};

// Reads HP-GL's lexical parts from the bytes of a file: mnemonics in any letter case,
// numeric parameters split by commas or blanks and ended by ";", a newline or the next
// mnemonic, label texts, and PE's base-64 numbers. Device escape sequences, a printer job's
// PCL escapes and its PJL lines are skipped.
class Scanner {
public:
    explicit Scanner(QByteArrayView bytes) : in_(bytes) {}

    bool atEnd() const { return at_ >= in_.size(); }
    // How many bytes have been read.
    qsizetype position() const { return at_; }
    // The next byte, which must exist.
    char peek() const { return in_[at_]; }
    char take() { return in_[at_++]; }
    // Reads on from an earlier position again.
    void backTo(qsizetype position) { at_ = position; }

    // Skips separators, terminators, escape sequences and whatever is no instruction, up to
    // the next mnemonic, which it reads; nothing at the end of the bytes.
    std::optional<Mnemonic> nextMnemonic();

    // The parameters of an instruction, up to and including its terminator. The list is
    // reused by the next call.
    const std::vector<double>& parameters();
    // True when the last parameters held a number with more digits than a double holds.
    bool hadBadNumber() const { return bad_; }

    // Text up to terminator, which is dropped.
    QByteArrayView textUpTo(char terminator);
    // A quoted text (CO, MG), where one comes next, and the parameters after it.
    void skipComment();
    // Everything up to and including the next c.
    void skipPast(char c);

    // One number of a PE instruction: base 64, or base 32 after '7', scaled down by
    // fractionBits; nothing where the bytes are no such number.
    std::optional<double> encodedNumber(bool sevenBit, int fractionBits);

private:
    void skipEscape();
    std::optional<double> number();

    QByteArrayView in_;
    qsizetype at_ = 0;
    bool bad_ = false;
    std::vector<double> values_; // one buffer for all, since there are millions
};

} // namespace markast::hpgl

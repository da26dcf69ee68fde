#pragma once

class QPrinter;

namespace markast {

// The print dialog: the operator chooses a printer and sets it up. Tests answer it without a
// person.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // False when the operator cancelled.
    [[nodiscard]] virtual bool choose(QPrinter& printer) = 0;
};

} // namespace markast

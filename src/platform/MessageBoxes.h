#pragma once

#include <QString>

namespace markast {

// The program's title, which its message boxes carry.
inline const QString ApplicationTitle = QStringLiteral("Markast");

// Modal message boxes with an OK button only. Tests stand in a recorder of their own.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical };

    virtual ~MessageBoxes() = default;
    // Returns when the operator has closed the box.
    virtual void show(const QString& text, const QString& title, Icon icon) = 0;
};

} // namespace markast

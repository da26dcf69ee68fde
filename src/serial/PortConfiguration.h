#pragma once

#include <QString>

namespace markast {

class SerialControl;

enum class SequenceForm {
    StartUp, // the port is known to be closed
    Switch,  // closes the port first
};

// Selects, configures and opens port. Every step runs even when an earlier one failed;
// the result is false when any step failed.
[[nodiscard]] bool configurePort(SerialControl& control, int port, const QString& lineSettings,
                                 SequenceForm form);

// The status bar's port text: "COM", the number with its sign place, " : ", the line settings.
QString portPanelText(int port, const QString& lineSettings);

} // namespace markast

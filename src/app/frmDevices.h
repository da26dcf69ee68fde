#pragma once

#include "serial/ComDevices.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace markast {

class ComDevices;
struct DetectedDevice;

// The COM Port Devices dialog: which serial device COM1 to COM4 stand for. The operator picks
// a detected device or types any path; each row says whether its device can be used, worked
// out without opening it.
class frmDevices final : public QDialog {
    Q_OBJECT
public:
    frmDevices(QWidget* owner, const ComDevices& devices);

    // The choices for COM1 to COM4: a device, or empty for the built-in one. A row that the
    // environment sets keeps what was stored for it.
    QStringList choices() const;

    QComboBox* device(int port) const { return rows_.at(std::size_t(port - 1)).device; }
    QLabel* state(int port) const { return rows_.at(std::size_t(port - 1)).state; }
    QPushButton* cmdRefresh;

    // Scans for serial devices again, keeping each row's choice.
    void cmdRefresh_Click();

private:
    struct Row {
        QComboBox* device;
        QLabel* state;
        QString stored;
        std::optional<QString> environment;
    };

    QString choice(int port) const;
    void fill(int port, const QList<DetectedDevice>& detected, const QString& chosen);
    void showState(int port);

    std::array<Row, ComPortCount> rows_{};
};

} // namespace markast

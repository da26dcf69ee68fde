#include "app/frmDevices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace markast {

frmDevices::frmDevices(QWidget* owner, const ComDevices& devices) : QDialog(owner) {
    setWindowTitle(tr("COM Port Devices"));
    setAccessibleName(windowTitle());
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    const QList<DetectedDevice> detected = detectedDevices();
    for (int port = 1; port <= ComPortCount; ++port) {
        Row& row = rows_[std::size_t(port - 1)];
        row.stored = devices.stored(port);
        row.environment = environmentDevice(port);
        auto* name = new QLabel(tr("COM&%1", "label of a COM port's row").arg(port), this);
        row.device = new QComboBox(this);
        row.device->setEditable(true);
        row.device->setInsertPolicy(QComboBox::NoInsert);
        row.device->setMinimumContentsLength(40);
        row.device->setAccessibleName(tr("COM%1 device").arg(port));
        // The text field inside, where the focus goes, is read as the field itself.
        row.device->lineEdit()->setAccessibleName(row.device->accessibleName());
        name->setBuddy(row.device);
        // Read as its own text, and as the device field's description.
        row.state = new QLabel(this);
        grid->addWidget(name, 2 * port - 2, 0);
        grid->addWidget(row.device, 2 * port - 2, 1);
        grid->addWidget(row.state, 2 * port - 1, 1);
        fill(port, detected, row.stored);
        connect(row.device, &QComboBox::currentTextChanged, this,
                [this, port] { showState(port); });
        showState(port);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdRefresh = buttons->addButton(tr("&Refresh"), QDialogButtonBox::ActionRole);
    cmdRefresh->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    grid->addWidget(buttons, 2 * ComPortCount, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmDevices::cmdRefresh_Click);
}

QStringList frmDevices::choices() const {
    QStringList chosen;
    for (int port = 1; port <= ComPortCount; ++port) {
        const Row& row = rows_[std::size_t(port - 1)];
        chosen.append(row.environment ? row.stored : choice(port));
    }
    return chosen;
}

void frmDevices::cmdRefresh_Click() {
    const QList<DetectedDevice> detected = detectedDevices();
    for (int port = 1; port <= ComPortCount; ++port) {
        if (!rows_[std::size_t(port - 1)].environment)
            fill(port, detected, choice(port));
    }
}

// An entry of the list stands for the device it names; anything else is a typed path.
QString frmDevices::choice(int port) const {
    const QComboBox* combo = device(port);
    const int entry = combo->findText(combo->currentText());
    if (entry >= 0)
        return combo->itemData(entry).toString();
    const QString typed = combo->currentText().trimmed();
    return typed == QLatin1String("Default") ? QString() : typed;
}

void frmDevices::fill(int port, const QList<DetectedDevice>& detected, const QString& chosen) {
    Row& row = rows_[std::size_t(port - 1)];
    QComboBox* combo = row.device;
    combo->clear();
    combo->addItem(tr("Default (%1)", "the built-in device").arg(builtInDevice(port)), QString());
    for (const DetectedDevice& found : detected)
        combo->addItem(found.label, found.name);
    if (row.environment) {
        // The administrator's choice wins; the row only shows it.
        combo->setEditText(*row.environment);
        combo->setEnabled(false);
        return;
    }
    const int entry = combo->findData(chosen);
    if (entry >= 0)
        combo->setCurrentIndex(entry);
    else
        combo->setEditText(chosen);
}

void frmDevices::showState(int port) {
    const Row& row = rows_[std::size_t(port - 1)];
    const QString device = resolveComDevice(port, row.environment, choice(port));
    row.state->setText(deviceStateText(port, device, row.environment.has_value()));
    row.device->setAccessibleDescription(row.state->text());
    row.device->lineEdit()->setAccessibleDescription(row.state->text());
}

} // namespace markast

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace markast {

class MessageBoxes;
class ProcessStarter;
class Registry;

// The About box: product, version and maker, and a launcher for the system-information tool.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    struct Services {
        Registry& registry;
        ProcessStarter& processes;
        MessageBoxes& messages;
    };

    frmAbout(QWidget* owner, Services services);

    QLabel* picIcon;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QLabel* Label6;
    QLabel* Label5;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;

    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* label(const QString& text, Qt::Alignment alignment, int left, int top, int width,
                  int height);
    QLabel* oneLine(const QString& text, Qt::Alignment alignment, int left, int top, int width,
                    int height);

    Services services_;
};

} // namespace markast

#include "about/frmAbout.h"

#include "Version.h"
#include "about/SysInfo.h"
#include "platform/FitText.h"
#include "platform/ScreenTwips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace markast {

frmAbout::frmAbout(QWidget* owner, Services services) : QDialog(owner), services_(services) {
    setWindowTitle(tr("About Information"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (owner)
        setWindowIcon(owner->windowIcon());
    const ScreenTwips px(*this);
    setFixedSize(px(4770), px(3630));
    setAccessibleName(windowTitle());

    picIcon = new QLabel(this);
    picIcon->setPixmap(QPixmap(QStringLiteral(":/markast/maker.png")));
    picIcon->setGeometry(px.rect(1440, 240, 1560, 360));
    picIcon->setAccessibleName(tr("Veltrom Marking Technology logo"));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setGeometry(px.rect(2880, 2625, 1467, 345));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setGeometry(px.rect(2880, 3075, 1452, 345));
    cmdSysInfo->setAutoDefault(false);
    // Longer languages get a smaller font rather than a cut-off caption.
    fitFontToButton(*cmdOK);
    fitFontToButton(*cmdSysInfo);

    const auto left = Qt::AlignLeft | Qt::AlignTop;
    const auto centre = Qt::AlignHCenter | Qt::AlignTop;
    Label6 = oneLine(QStringLiteral("Markast"), left, 120, 1080, 2175, 255);
    Label5 = oneLine(QStringLiteral("www.veltrom.example.com"), centre, 2280, 2040, 2415, 255);
    Label4 = oneLine(tr("Tel. %1").arg(QStringLiteral("+44 1632 960 418")), centre, 2280, 1800,
                     2415, 255);
    Label3 = oneLine(tr("United Kingdom"), centre, 2400, 1560, 2175, 255);
    Label2 = oneLine(QStringLiteral("Fenwick Marsh"), centre, 2400, 1320, 2175, 255);
    Label1 = oneLine(QStringLiteral("Veltrom Marking Technology"), centre, 2400, 1080, 2175, 255);
    lblVersion =
        oneLine(tr("Version %1").arg(QStringLiteral(MARKAST_VERSION)), left, 720, 1440, 1455, 225);
    lblDisclaimer =
        label(tr("Copyright (c) %1 Veltrom Marking Technology. All rights reserved.").arg(2026),
              left, 255, 2625, 2190, 825);
    fitFontToLabel(*lblDisclaimer);
    QPalette black = lblDisclaimer->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblDisclaimer->setPalette(black);

    // Only the two buttons take the focus; OK first.
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

// The maker's details are one line each: where the desktop's default font is too wide for the
// line, the text gets a smaller font rather than a cut-off second line.
QLabel* frmAbout::oneLine(const QString& text, Qt::Alignment alignment, int left, int top,
                          int width, int height) {
    QLabel* line = label(text, alignment, left, top, width, height);
    line->setWordWrap(false);
    fitFontToLabel(*line);
    return line;
}

QLabel* frmAbout::label(const QString& text, Qt::Alignment alignment, int left, int top, int width,
                        int height) {
    auto* created = new QLabel(text, this);
    created->setAlignment(alignment);
    created->setWordWrap(true);
    created->setGeometry(ScreenTwips(*this).rect(left, top, width, height));
    return created;
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(services_.registry, services_.processes, services_.messages);
}

// The etched separator above the buttons: a grey line with a white one just below it.
void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const ScreenTwips px(*this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(px(225), px(2430), px(4560), px(2430));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(px(240), px(2445), px(4560), px(2445));
}

} // namespace markast

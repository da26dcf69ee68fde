#include "app/frmMainLayout.h"

#include "app/PathLabel.h"
#include "app/ProgressBar.h"
#include "app/StatusBar.h"
#include "platform/ScreenTwips.h"

#include <QBitmap>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

namespace markast {

namespace {

// The pictures are drawn on silver, which stands for transparent.
QPixmap silverMasked(const QString& path) {
    QPixmap picture(path);
    picture.setMask(picture.createMaskFromColor(QColor(192, 192, 192)));
    return picture;
}

QLabel* topLeftLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

void frmMainLayout::setupUi(QMainWindow& window) {
    window_ = &window;
    window.setWindowTitle(QStringLiteral("Veltrom Marking Technology - Logo Download Utility"));
    QIcon icon;
    icon.addPixmap(silverMasked(QStringLiteral(":/markast/markast16.png")));
    icon.addPixmap(silverMasked(QStringLiteral(":/markast/markast32.png")));
    window.setWindowIcon(icon);
    // Fixed border with a close box only: no maximize or minimize button.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setAccessibleName(window.windowTitle());
    setupMenus(window);
    setupControls();
    setTabOrderAsLaidOut();
    const ScreenTwips px(window);
    window.setFixedSize(px(6000), px(3915));
}

void frmMainLayout::setupMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFileOpen = mnuFile->addAction(QStringLiteral("&Open..."));
    mnuFileExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuActions = bar->addMenu(QStringLiteral("&Actions"));
    mnuDownload = mnuActions->addAction(QStringLiteral("&Download Logo"));
    // Ours, after Download: enabled exactly when Download is.
    mnuPreview = mnuActions->addAction(QStringLiteral("&Preview Logo..."));
    mnuSettings = bar->addMenu(QStringLiteral("&Settings"));
    mnuComPorts = mnuSettings->addMenu(QStringLiteral("&Com Ports"));
    for (int port = 1; port <= ComPortCount; ++port) {
        QAction* item = mnuComPorts->addAction(QStringLiteral("Com &%1").arg(port));
        item->setCheckable(true);
        item->setChecked(true); // as laid out; the load sequence replaces the marks
        portItems_[std::size_t(port - 1)] = item;
    }
    mniCom1 = portItems_[0];
    mniCom2 = portItems_[1];
    mniCom3 = portItems_[2];
    mniCom4 = portItems_[3];
    // Ours, after the four ports: which device each COM port stands for.
    mnuComPorts->addSeparator();
    mnuDevices = mnuComPorts->addAction(QStringLiteral("&Devices..."));
    mnuComPorts->setToolTipsVisible(true);
    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&About "));
}

void frmMainLayout::setupControls() {
    const ScreenTwips px(*window_);
    client = new QWidget(window_);
    client->setAccessibleName(QStringLiteral("Logo download"));
    window_->setCentralWidget(client);

    Frame1 = new QGroupBox(QStringLiteral("File"), client);
    Frame1->setGeometry(px.rect(120, 2280, 5655, 615));
    Frame1->setAccessibleName(QStringLiteral("File"));
    Label1 = new PathLabel(Frame1);
    // Inside the frame's border, below its caption, whatever room the style gives the caption.
    QRect file = px.rect(240, 240, 5295, 255);
    file.moveTop(std::max(file.top(), Frame1->contentsRect().top()));
    Label1->setGeometry(file);

    ProgressBar1 = new ProgressBar(client);
    ProgressBar1->setGeometry(px.rect(360, 1080, 4935, 255));
    ProgressBar1->setAccessibleName(QStringLiteral("Progress"));

    tbToolBar = new Toolbar(client);
    tbToolBar->setAccessibleName(QStringLiteral("Toolbar"));
    tbToolBar->setImageList(&imlToolbarIcons);
    imlToolbarIcons.add(QStringLiteral("Open"), silverMasked(QStringLiteral(":/markast/open.png")));
    // The list draws the 16 x 16 image of the two-image Download icon.
    imlToolbarIcons.add(QStringLiteral("Download"),
                        silverMasked(QStringLiteral(":/markast/download16.png")));

    sbStatusBar = new StatusBar(client);
    sbStatusBar->setAccessibleName(QStringLiteral("Status bar"));

    lblHelp = topLeftLabel(QStringLiteral("lblHelp"), client);
    lblHelp->setGeometry(px.rect(480, 1440, 4815, 735));

    Action = topLeftLabel(QStringLiteral("Progress"), client);
    Action->setGeometry(px.rect(360, 840, 5175, 375));
    // The bar is drawn over the caption's lower part, leaving its first line visible.
    ProgressBar1->raise();
}

void frmMainLayout::setTabOrderAsLaidOut() {
    QWidget* order[] = {sbStatusBar, tbToolBar, ProgressBar1, Action, Frame1, Label1, lblHelp};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void frmMainLayout::addToolbarButtons() {
    btnOpen = tbToolBar->addButton();
    btnOpen->setKey(QStringLiteral("Open"));
    btnOpen->setCaption(QStringLiteral("Open"));
    btnOpen->setToolTipText(QStringLiteral("Open Logo File"));
    btnOpen->setImage(QStringLiteral("Open"));

    btnDownload = tbToolBar->addButton();
    btnDownload->setKey(QStringLiteral("Downloader"));
    btnDownload->setCaption(QStringLiteral("Download"));
    btnDownload->setToolTipText(QStringLiteral("Download Logo File"));
    btnDownload->setImage(QStringLiteral("Download"));
    btnDownload->setEnabled(false);
    arrangeAlignedControls();
}

void frmMainLayout::arrangeAlignedControls() {
    const ScreenTwips px(*window_);
    const int width = client->width();
    const int toolbarHeight = std::max(px(420), tbToolBar->sizeHint().height());
    tbToolBar->setGeometry(0, 0, width, toolbarHeight);
    const int statusHeight = std::max(px(270), sbStatusBar->sizeHint().height());
    sbStatusBar->setGeometry(0, client->height() - statusHeight, width, statusHeight);
}

bool frmMainLayout::isPortChecked(int port) const {
    return portItem(port)->isChecked();
}

void frmMainLayout::setPortChecked(int port, bool checked) {
    portItem(port)->setChecked(checked);
}

bool frmMainLayout::isPortEnabled(int port) const {
    return portItem(port)->isEnabled();
}

void frmMainLayout::setPortEnabled(int port, bool enabled) {
    portItem(port)->setEnabled(enabled);
}

void frmMainLayout::setPortPanelText(const QString& text) {
    sbStatusBar->setPanelText(2, text);
}

} // namespace markast

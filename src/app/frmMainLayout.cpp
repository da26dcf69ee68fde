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
    QIcon icon;
    icon.addPixmap(silverMasked(QStringLiteral(":/markast/markast16.png")));
    icon.addPixmap(silverMasked(QStringLiteral(":/markast/markast32.png")));
    window.setWindowIcon(icon);
    // Fixed border with a close box only: no maximize or minimize button.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setupMenus(window);
    setupControls();
    setTabOrderAsLaidOut();
    retranslateUi();
    const ScreenTwips px(window);
    window.setFixedSize(px(6000), px(3915));
}

void frmMainLayout::setupMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    mnuFile = bar->addMenu(QString());
    mnuFileOpen = mnuFile->addAction(QString());
    mnuFileExit = mnuFile->addAction(QString());
    mnuActions = bar->addMenu(QString());
    mnuDownload = mnuActions->addAction(QString());
    // Ours, after Download: enabled exactly when Download is.
    mnuPreview = mnuActions->addAction(QString());
    mnuSettings = bar->addMenu(QString());
    mnuComPorts = mnuSettings->addMenu(QString());
    for (int port = 1; port <= ComPortCount; ++port) {
        QAction* item = mnuComPorts->addAction(QString());
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
    mnuDevices = mnuComPorts->addAction(QString());
    mnuComPorts->setToolTipsVisible(true);
    mnuHelp = bar->addMenu(QString());
    mnuHelpAbout = mnuHelp->addAction(QString());
}

void frmMainLayout::setupControls() {
    const ScreenTwips px(*window_);
    client = new QWidget(window_);
    window_->setCentralWidget(client);

    Frame1 = new QGroupBox(client);
    Frame1->setGeometry(px.rect(120, 2280, 5655, 615));
    Label1 = new PathLabel(Frame1);

    ProgressBar1 = new ProgressBar(client);
    ProgressBar1->setGeometry(px.rect(360, 1080, 4935, 255));

    tbToolBar = new Toolbar(client);
    tbToolBar->setImageList(&imlToolbarIcons);
    imlToolbarIcons.add(QStringLiteral("Open"), silverMasked(QStringLiteral(":/markast/open.png")));
    // The list draws the 16 x 16 image of the two-image Download icon.
    imlToolbarIcons.add(QStringLiteral("Download"),
                        silverMasked(QStringLiteral(":/markast/download16.png")));

    sbStatusBar = new StatusBar(client);

    lblHelp = topLeftLabel(QStringLiteral("lblHelp"), client);
    lblHelp->setGeometry(px.rect(480, 1440, 4815, 735));

    Action = topLeftLabel(QString(), client);
    Action->setGeometry(px.rect(360, 840, 5175, 375));
    // The bar is drawn over the caption's lower part, leaving its first line visible.
    ProgressBar1->raise();
}

// Every text of the layout, in the language now in use; the English ones are the marker
// software's own.
void frmMainLayout::retranslateUi() {
    window_->setWindowTitle(tr("Veltrom Marking Technology - Logo Download Utility"));
    window_->setAccessibleName(window_->windowTitle());
    window_->menuBar()->setAccessibleName(tr("Menu bar"));
    mnuFile->setTitle(tr("&File"));
    mnuFileOpen->setText(tr("&Open..."));
    mnuFileExit->setText(tr("E&xit"));
    mnuActions->setTitle(tr("&Actions"));
    mnuDownload->setText(tr("&Download Logo"));
    mnuPreview->setText(tr("&Preview Logo..."));
    mnuSettings->setTitle(tr("&Settings"));
    mnuComPorts->setTitle(tr("&Com Ports"));
    for (int port = 1; port <= ComPortCount; ++port)
        portItem(port)->setText(tr("Com &%1", "menu item of COM port 1 to 4").arg(port));
    mnuDevices->setText(tr("&Devices..."));
    mnuHelp->setTitle(tr("&Help"));
    mnuHelpAbout->setText(tr("&About "));

    client->setAccessibleName(tr("Logo download"));
    Frame1->setTitle(tr("File", "the frame that names the loaded file"));
    Frame1->setAccessibleName(Frame1->title());
    // Inside the frame's border, below its caption, whatever room the style gives the caption.
    const ScreenTwips px(*window_);
    QRect file = px.rect(240, 240, 5295, 255);
    file.moveTop(std::max(file.top(), Frame1->contentsRect().top()));
    Label1->setGeometry(file);
    ProgressBar1->setAccessibleName(tr("Progress"));
    tbToolBar->setAccessibleName(tr("Toolbar"));
    sbStatusBar->setAccessibleName(tr("Status bar"));
    Action->setText(tr("Progress"));
    if (btnOpen) {
        btnOpen->setCaption(tr("Open", "toolbar button"));
        btnOpen->setToolTipText(tr("Open Logo File"));
        btnDownload->setCaption(tr("Download", "toolbar button"));
        btnDownload->setToolTipText(tr("Download Logo File"));
    }
    arrangeAlignedControls();
}

void frmMainLayout::setTabOrderAsLaidOut() {
    QWidget* order[] = {sbStatusBar, tbToolBar, ProgressBar1, Action, Frame1, Label1, lblHelp};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void frmMainLayout::addToolbarButtons() {
    btnOpen = tbToolBar->addButton();
    btnOpen->setKey(QStringLiteral("Open"));
    btnOpen->setImage(QStringLiteral("Open"));

    btnDownload = tbToolBar->addButton();
    btnDownload->setKey(QStringLiteral("Downloader"));
    btnDownload->setImage(QStringLiteral("Download"));
    btnDownload->setEnabled(false);
    retranslateUi(); // the captions and tool tips
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

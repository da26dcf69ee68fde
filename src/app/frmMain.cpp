#include "app/frmMain.h"

#include "about/frmAbout.h"
#include "app/PathLabel.h"
#include "app/ProgressBar.h"
#include "app/StatusBar.h"
#include "app/WindowPlacement.h"
#include "app/frmDevices.h"
#include "app/frmPreview.h"
#include "platform/FileDialog.h"
#include "platform/FitText.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenTwips.h"
#include "serial/ComDevices.h"
#include "serial/SerialControl.h"
#include "settings/Settings.h"
#include "transfer/LogoLoader.h"
#include "transfer/LogoSender.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QStyle>

namespace markast {

Q_LOGGING_CATEGORY(lcApp, "markast.app")

namespace {

const QString UnexpectedFailureText = QStringLiteral(
    "An internal error stopped the last command. Markast is still running; please try again.");
const QString RefusedByteText = QStringLiteral(
    "The marker did not take the logo.\n\nCheck the cable, the COM port setting and the marker, "
    "then click Download to send the logo again from the start.");

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

frmMain::frmMain(FormServices services, QWidget* parent)
    : QMainWindow(parent), MSComm1(services.serial), services_(services) {
    setWindowTitle(QStringLiteral("Veltrom Marking Technology - Logo Download Utility"));
    QIcon icon;
    icon.addPixmap(silverMasked(QStringLiteral(":/markast/markast16.png")));
    icon.addPixmap(silverMasked(QStringLiteral(":/markast/markast32.png")));
    setWindowIcon(icon);
    // Fixed border with a close box only: no maximize or minimize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAccessibleName(windowTitle());
    createMenus();
    createControls();
    setTabOrderAsLaidOut();
    const ScreenTwips px(*this);
    setFixedSize(px(6000), px(3915));
    MSComm1.setWaitHook([this] { keepResponsive(); });
}

frmMain::~frmMain() {
    MSComm1.setWaitHook({});
}

void frmMain::createMenus() {
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileOpen = mnuFile->addAction(QStringLiteral("&Open..."));
    mnuFileExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuActions = menuBar()->addMenu(QStringLiteral("&Actions"));
    mnuDownload = mnuActions->addAction(QStringLiteral("&Download Logo"));
    // Ours, after Download: enabled exactly when Download is (setDownloadEnabled).
    mnuPreview = mnuActions->addAction(QStringLiteral("&Preview Logo..."));
    mnuSettings = menuBar()->addMenu(QStringLiteral("&Settings"));
    mnuComPorts = mnuSettings->addMenu(QStringLiteral("&Com Ports"));
    for (int port = 1; port <= PortCount; ++port) {
        QAction* item = mnuComPorts->addAction(QStringLiteral("Com &%1").arg(port));
        item->setCheckable(true);
        item->setChecked(true); // as laid out; the load sequence replaces the marks
        portItems_[static_cast<std::size_t>(port - 1)] = item;
        connect(item, &QAction::triggered, this,
                [this, port] { atEventBoundary([this, port] { mniCom_Click(port); }); });
    }
    mniCom1 = portItems_[0];
    mniCom2 = portItems_[1];
    mniCom3 = portItems_[2];
    mniCom4 = portItems_[3];
    // Ours, after the four ports: which device each COM port stands for.
    mnuComPorts->addSeparator();
    mnuDevices = mnuComPorts->addAction(QStringLiteral("&Devices..."));
    mnuComPorts->setToolTipsVisible(true);
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&About "));

    wire(mnuFileOpen, &frmMain::mnuFileOpen_Click);
    wire(mnuFileExit, &frmMain::mnuFileExit_Click);
    wire(mnuDownload, &frmMain::mnuDownload_Click);
    wire(mnuHelpAbout, &frmMain::mnuHelpAbout_Click);
    wire(mnuDevices, &frmMain::mnuDevices_Click);
    wire(mnuPreview, &frmMain::mnuPreview_Click);
}

void frmMain::createControls() {
    const ScreenTwips px(*this);
    client = new QWidget(this);
    client->setAccessibleName(QStringLiteral("Logo download"));
    setCentralWidget(client);
    client->installEventFilter(this);

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
    connect(tbToolBar, &Toolbar::buttonClick, this, [this](ToolbarButton* button) {
        atEventBoundary([this, button] { tbToolBar_ButtonClick(*button); });
    });

    sbStatusBar = new StatusBar(client);
    sbStatusBar->setAccessibleName(QStringLiteral("Status bar"));

    lblHelp = topLeftLabel(QStringLiteral("lblHelp"), client);
    lblHelp->setGeometry(px.rect(480, 1440, 4815, 735));

    Action = topLeftLabel(QStringLiteral("Progress"), client);
    Action->setGeometry(px.rect(360, 840, 5175, 375));
    // The bar is drawn over the caption's lower part, leaving its first line visible.
    ProgressBar1->raise();
}

void frmMain::setTabOrderAsLaidOut() {
    const QWidget* order[] = {sbStatusBar, tbToolBar, ProgressBar1, Action,
                              Frame1,      Label1,    lblHelp};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

void frmMain::wire(QAction* action, void (frmMain::*handler)()) {
    connect(action, &QAction::triggered, this,
            [this, handler] { atEventBoundary([this, handler] { (this->*handler)(); }); });
}

template <typename Handler> void frmMain::atEventBoundary(Handler&& handler) {
    try {
        handler();
        return;
    } catch (const std::exception& failure) {
        qCWarning(lcApp, "a command failed: %s", failure.what());
    } catch (...) {
        qCWarning(lcApp, "a command failed for an unknown reason");
    }
    services_.messages.show(UnexpectedFailureText, ApplicationTitle, MessageBoxes::Icon::Critical);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client && event->type() == QEvent::Resize)
        arrangeAlignedControls();
    return QMainWindow::eventFilter(watched, event);
}

// The toolbar and the status bar are aligned controls: they span the client area's width.
void frmMain::arrangeAlignedControls() {
    const ScreenTwips px(*this);
    const int width = client->width();
    const int toolbarHeight = std::max(px(420), tbToolBar->sizeHint().height());
    tbToolBar->setGeometry(0, 0, width, toolbarHeight);
    const int statusHeight = std::max(px(270), sbStatusBar->sizeHint().height());
    sbStatusBar->setGeometry(0, client->height() - statusHeight, width, statusHeight);
}

// ---- Load and unload ----

void frmMain::Form_Load() {
    applyStoredGeometry();
    applyStoredPortMarks();
    showPortDevices();
    sbStatusBar->setSimpleText(QStringLiteral("Waiting for command"));
    setFileText(QStringLiteral("No File Selected"));
    addToolbarButtons();
    setDownloadEnabled(false);
    if (!services_.ports.startUp(*this, MSComm1))
        failedStartUpPort_ = checkedPort(*this);
    setHelpText(QStringLiteral("Click Open and Browse for HPGL\\1 file to download."));
}

void frmMain::reportStartUpProblems() {
    if (failedStartUpPort_ == 0)
        return;
    services_.messages.show(startUpFailureText(failedStartUpPort_, MSComm1.lastError()),
                            ApplicationTitle, MessageBoxes::Icon::Warning);
    failedStartUpPort_ = 0;
}

void frmMain::applyStoredGeometry() {
    const QRect placed =
        usableGeometryOnThisDesktop(Settings(services_.settings).window(), ScreenTwips(*this).dpi,
                                    style()->pixelMetric(QStyle::PM_TitleBarHeight));
    move(placed.topLeft());
    setFixedSize(placed.size());
}

void frmMain::applyStoredPortMarks() {
    const Settings settings(services_.settings);
    for (int port = 1; port <= PortCount; ++port)
        setPortChecked(port, settings.portChecked(port));
}

void frmMain::addToolbarButtons() {
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

WindowTwips frmMain::storedTwips() const {
    const QPoint place = frameGeometry().topLeft();
    const ScreenTwips px(*this);
    const auto twips = [&px](int pixels) {
        return static_cast<float>(px.twips(pixels));
    };
    return {twips(place.x()), twips(place.y()), twips(width()), twips(height())};
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (phase_ == Phase::Sending) {
        // Bytes are on their way: the window closes as soon as the last one is out.
        closePending_ = true;
        setStatusText(QStringLiteral("Closing after the download..."));
        event->ignore();
        return;
    }
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    unloadOtherWindows();
    storeSettings();
    (void)MSComm1.setPortOpen(false);
    unloaded_ = true;
}

void frmMain::unloadOtherWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* window = *it;
        if (window != this && window->isVisible())
            window->close();
    }
}

// A store that refuses a write does not stop the close.
void frmMain::storeSettings() {
    Settings settings(services_.settings);
    bool stored = isMinimized() || settings.setWindow(storedTwips());
    for (int port = 1; port <= PortCount; ++port)
        stored &= settings.setPortChecked(port, isPortChecked(port));
    for (int port = 1; port <= PortCount; ++port)
        stored &= settings.setPortEnabled(port, isPortEnabled(port));
    if (!stored)
        qCWarning(lcApp, "the settings could not be saved; the next start uses older values");
}

// ---- Handlers ----

void frmMain::mnuFileOpen_Click() {
    if (phase_ != Phase::Idle)
        return; // no second transfer may start inside a download's settle wait
    loadLogo(services_.fileDialog, *this, logo);
}

void frmMain::mnuFileExit_Click() {
    (void)MSComm1.setPortOpen(false);
    close();
}

void frmMain::mnuDownload_Click() {
    SendLogo();
}

void frmMain::mniCom_Click(int port) {
    checkOnly(*this, port);
    SetComPort();
}

void frmMain::mnuDevices_Click() {
    ComDevices devices(services_.settings);
    frmDevices dialog(this, devices);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int port = checkedPort(*this);
    const QString before = devices.deviceFor(port);
    if (!devices.store(dialog.choices()))
        qCWarning(lcApp, "the COM port devices could not be saved");
    showPortDevices();
    if (devices.deviceFor(port) != before)
        SetComPort(); // the checked port moves to its new device at once
}

void frmMain::mnuPreview_Click() {
    if (!preview_)
        preview_ = new frmPreview(this);
    preview_->show();
    showLogoInPreview();
    preview_->raise();
    preview_->activateWindow();
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(this, {services_.registry, services_.processes, services_.messages});
    about.exec();
}

void frmMain::tbToolBar_ButtonClick(const ToolbarButton& Button) {
    if (Button.key() == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (Button.key() == QLatin1String("Downloader"))
        SendLogo();
}

void frmMain::SendLogo() {
    if (phase_ != Phase::Idle)
        return; // no second stream may start inside the first
    const SendOutcome outcome = downloadLogo(logo, MSComm1, *this, services_.clock);
    if (outcome == SendOutcome::Refused && !unloaded_)
        services_.messages.show(RefusedByteText, ApplicationTitle, MessageBoxes::Icon::Warning);
}

void frmMain::SetComPort() {
    services_.ports.switchPort(*this, MSComm1, services_.messages);
}

// ---- TransferView ----

QString frmMain::statusText() const {
    return sbStatusBar->simpleText();
}

void frmMain::setStatusText(const QString& text) {
    sbStatusBar->setSimpleText(text);
}

void frmMain::refreshAction() {
    Action->repaint();
    sbStatusBar->repaint();
}

float frmMain::progressMax() const {
    return ProgressBar1->max();
}

void frmMain::setProgressMax(float max) {
    ProgressBar1->setMax(max);
}

float frmMain::progressValue() const {
    return ProgressBar1->value();
}

void frmMain::setProgressValue(float value) {
    ProgressBar1->setValue(value);
}

void frmMain::setFileText(const QString& text) {
    Label1->setPath(text);
}

// The instructions are read at the marker: all of them must show, in a smaller font if need be.
void frmMain::setHelpText(const QString& text) {
    lblHelp->setText(text);
    fitFontToLabel(*lblHelp);
}

// The one place Download is enabled or disabled; Preview follows it.
void frmMain::setDownloadEnabled(bool enabled) {
    btnDownload->setEnabled(enabled);
    mnuDownload->setEnabled(enabled);
    mnuPreview->setEnabled(enabled);
    showLogoInPreview();
}

// An open preview shows the logo that Download would send, or that there is none.
void frmMain::showLogoInPreview() {
    if (!preview_ || !preview_->isVisible())
        return;
    if (!mnuDownload->isEnabled()) {
        preview_->showNoLogo();
        return;
    }
    preview_->showLogo(QFileInfo(Label1->path()).fileName(), logo.payload());
}

void frmMain::enableOpen() {
    btnOpen->setEnabled(true);
    mnuFileOpen->setEnabled(true);
}

void frmMain::setPhase(Phase phase) {
    phase_ = phase;
    // While it sends, the window takes no input although Open and Download look enabled.
    if (phase == Phase::Sending)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    if (phase != Phase::Sending && closePending_) {
        closePending_ = false;
        close();
    }
}

void frmMain::keepResponsive() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmMain::processEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// ---- PortMenu ----

// Each Com item tells, as its tool tip, which device it stands for.
void frmMain::showPortDevices() {
    const ComDevices devices(services_.settings);
    for (int port = 1; port <= PortCount; ++port)
        portItem(port)->setToolTip(devices.deviceFor(port));
}

QAction* frmMain::portItem(int port) const {
    return portItems_.at(static_cast<std::size_t>(port - 1));
}

bool frmMain::isPortChecked(int port) const {
    return portItem(port)->isChecked();
}

void frmMain::setPortChecked(int port, bool checked) {
    portItem(port)->setChecked(checked);
}

bool frmMain::isPortEnabled(int port) const {
    return portItem(port)->isEnabled();
}

void frmMain::setPortEnabled(int port, bool enabled) {
    portItem(port)->setEnabled(enabled);
}

void frmMain::setPortPanelText(const QString& text) {
    sbStatusBar->setPanelText(2, text);
}

} // namespace markast

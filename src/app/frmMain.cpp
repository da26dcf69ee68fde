#include "app/frmMain.h"

#include "about/frmAbout.h"
#include "app/FileDrop.h"
#include "app/LanguageMenu.h"
#include "app/Logging.h"
#include "app/LogoLoader.h"
#include "app/LogoSender.h"
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
#include "platform/Translations.h"
#include "serial/ComDevices.h"
#include "serial/SerialControl.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStyle>
#include <QTimer>

namespace markast {

frmMain::frmMain(FormServices services, QWidget* parent)
    : QMainWindow(parent), MSComm1(services.serial), services_(services) {
    setupUi(*this);
    mnuFileRecent = new RecentFilesMenu(services_.settings, this);
    mnuFile->insertMenu(mnuFileExit, mnuFileRecent);
    mnuLanguage = new LanguageMenu(services_.settings, services_.translations, this);
    mnuSettings->addMenu(mnuLanguage); // ours, after the specified Settings items
    setAcceptDrops(true);
    wireEvents();
    MSComm1.setWaitHook([this] { keepResponsive(); });
}

frmMain::~frmMain() {
    MSComm1.setWaitHook({});
}

void frmMain::wireEvents() {
    wire(mnuFileOpen, &frmMain::mnuFileOpen_Click);
    wire(mnuFileExit, &frmMain::mnuFileExit_Click);
    wire(mnuDownload, &frmMain::mnuDownload_Click);
    wire(mnuPreview, &frmMain::mnuPreview_Click);
    wire(mnuDevices, &frmMain::mnuDevices_Click);
    wire(mnuHelpAbout, &frmMain::mnuHelpAbout_Click);
    for (int port = 1; port <= PortCount; ++port) {
        connect(portItem(port), &QAction::triggered, this,
                [this, port] { atEventBoundary([this, port] { mniCom_Click(port); }); });
    }
    connect(tbToolBar, &Toolbar::buttonClick, this, [this](ToolbarButton* button) {
        atEventBoundary([this, button] { tbToolBar_ButtonClick(*button); });
    });
    connect(mnuFileRecent, &RecentFilesMenu::chosen, this,
            [this](const QString& path) { atEventBoundary([&] { openFile(path); }); });
    client->installEventFilter(this);
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
    services_.messages.show(tr("An internal error stopped the last command. Markast is still "
                               "running; please try again."),
                            ApplicationTitle, MessageBoxes::Icon::Critical);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client && event->type() == QEvent::Resize)
        arrangeAlignedControls();
    return QMainWindow::eventFilter(watched, event);
}

// ---- Load and unload ----

void frmMain::Form_Load() {
    applyStoredGeometry();
    applyStoredPortMarks();
    showPortDevices();
    showRestTexts();
    addToolbarButtons();
    setDownloadEnabled(false);
    if (!services_.ports.startUp(*this, MSComm1))
        failedStartUpPort_ = checkedPort(*this);
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

WindowTwips frmMain::storedTwips() const {
    const QPoint place = frameGeometry().topLeft();
    const ScreenTwips px(*this);
    const auto twips = [&px](int pixels) {
        return static_cast<float>(px.twips(pixels));
    };
    return {twips(place.x()), twips(place.y()), twips(width()), twips(height())};
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Bytes are on their way: the window closes as soon as the last one is out. While the port
    // is still being opened none is, and the close gives the open up.
    if (phase_ == Phase::Sending && MSComm1.portOpen()) {
        closePending_ = true;
        setStatusText(tr("Closing after the download..."));
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
    LogoFileError error;
    if (const std::optional<QString> path = chooseLogoFile(services_.fileDialog);
        path && loadLogoFile(*path, *this, logo, error))
        loaded(*path);
}

void frmMain::loaded(const QString& path) {
    rest_ = Rest::Loaded;
    mnuFileRecent->add(path);
}

// The load of File > Open..., for a file named on the command line, dropped, chosen from Open
// Recent or handed over by a second Markast; unlike the dialog's, its failure is said.
void frmMain::openFile(const QString& path) {
    if (phase_ != Phase::Idle)
        return;
    LogoFileError error;
    if (loadLogoFile(path, *this, logo, error)) {
        loaded(path);
        return;
    }
    mnuFileRecent->remove(path);
    setStatusText(tr("Not loaded: %1").arg(error.text(path)));
}

QString frmMain::openFromOutside(const QString& path) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    if (path.isEmpty())
        return {};
    if (phase_ != Phase::Idle) {
        const QString refusal = tr("Not opened: %1. A logo is being downloaded; open it again "
                                   "when the download is done.")
                                    .arg(path);
        setStatusText(refusal);
        return refusal;
    }
    // After the answer to the second Markast, which need not wait for the load.
    QTimer::singleShot(0, this, [this, path] { atEventBoundary([&] { openFile(path); }); });
    return {};
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const DropVerdict verdict = judgeDrop(*event->mimeData(), phase_ != Phase::Idle);
    event->acceptProposedAction();
    if (verdict.path.isEmpty())
        setStatusText(verdict.refusal);
    else
        atEventBoundary([&] { openFile(verdict.path); });
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
        preview_ =
            new frmPreview(this, {services_.fileDialog, services_.printDialog, services_.messages});
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
    if (outcome == SendOutcome::Completed)
        rest_ = Rest::AfterDownload;
    if (outcome == SendOutcome::Refused && !unloaded_)
        services_.messages.show(tr("The marker did not take the logo.\n\nCheck the cable, the COM "
                                   "port setting and the marker, then click Download to send the "
                                   "logo again from the start."),
                                ApplicationTitle, MessageBoxes::Icon::Warning);
}

// ---- Language ----

// A new language: every text anew, the resting state's too; what a load or a download shows
// meanwhile comes in the new language from its next text on.
void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && btnOpen) {
        retranslateUi();
        if (phase_ == Phase::Idle)
            showRestTexts();
    }
    QMainWindow::changeEvent(event);
}

void frmMain::showRestTexts() {
    const RestTexts texts = RestTexts::of(rest_);
    setStatusText(texts.status);
    if (texts.file)
        setFileText(*texts.file);
    setHelpText(texts.help);
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

// ---- Com Ports menu ----

// Each Com item tells, as its tool tip, which device it stands for.
void frmMain::showPortDevices() {
    const ComDevices devices(services_.settings);
    for (int port = 1; port <= PortCount; ++port)
        portItem(port)->setToolTip(devices.deviceFor(port));
}

} // namespace markast

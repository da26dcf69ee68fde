#pragma once

#include "app/FormServices.h"
#include "app/RecentFiles.h"
#include "app/RestTexts.h"
#include "app/TransferView.h"
#include "app/frmMainLayout.h"
#include "logofile/LogoBuffer.h"
#include "settings/Settings.h"

#include <QMainWindow>
#include <QPointer>

namespace markast {

class LanguageMenu;
class SerialControl;
class frmPreview;

// The program's one working window: its layout is frmMainLayout's, its behaviour is here.
class frmMain final : public QMainWindow, public frmMainLayout, public TransferView {
    Q_OBJECT
public:
    explicit frmMain(FormServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load sequence: settings, initial texts, toolbar buttons and the start-up port, all
    // before the window is first shown.
    void Form_Load();
    // Tells the operator once, after the window is up, when the start-up port did not open.
    void reportStartUpProblems();

    // Handlers, as the menus and the toolbar run them.
    void mnuFileOpen_Click();
    void mnuFileExit_Click();
    void mnuDownload_Click();
    void mniCom_Click(int port);
    void mnuDevices_Click();
    void mnuPreview_Click();
    void mnuHelpAbout_Click();
    void tbToolBar_ButtonClick(const ToolbarButton& Button);

    void SendLogo();
    void SetComPort();

    // Ours: a file named on the command line, dropped or chosen from Open Recent.
    void openFile(const QString& path);
    // A second Markast's hand-over: comes to the front and opens path, unless busy; the
    // answer is empty when it takes it, else why not.
    QString openFromOutside(const QString& path);
    RecentFilesMenu* mnuFileRecent;
    LanguageMenu* mnuLanguage;

    SerialControl& MSComm1;
    LogoBuffer logo;

    // TransferView
    QString statusText() const override;
    void setStatusText(const QString& text) override;
    void refreshAction() override;
    float progressMax() const override;
    void setProgressMax(float max) override;
    float progressValue() const override;
    void setProgressValue(float value) override;
    void setFileText(const QString& text) override;
    void setHelpText(const QString& text) override;
    void setDownloadEnabled(bool enabled) override;
    void enableOpen() override;
    void setPhase(Phase phase) override;
    void keepResponsive() override;
    void processEvents() override;
    bool isUnloaded() const override { return unloaded_; }

    // The window's place and size in twips, as the settings keep them: the place of the frame
    // the desktop draws around the window, the size inside that frame.
    WindowTwips storedTwips() const;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireEvents();
    void wire(QAction* action, void (frmMain::*handler)());
    // Runs a handler so that nothing it throws ends the program or loses the window.
    template <typename Handler> void atEventBoundary(Handler&& handler);

    void applyStoredGeometry();
    void applyStoredPortMarks();
    void Form_Unload();
    void unloadOtherWindows();
    void storeSettings();

    void showPortDevices();
    void showLogoInPreview();
    void loaded(const QString& path);
    void showRestTexts();

    // The resting state the window is in, whose texts a new language shows anew.
    Rest rest_ = Rest::AfterStart;

    FormServices services_;
    QPointer<frmPreview> preview_;
    Phase phase_ = Phase::Idle;
    bool closePending_ = false;
    bool unloaded_ = false;
    int failedStartUpPort_ = 0;
};

} // namespace markast

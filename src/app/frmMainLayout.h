#pragma once

#include "app/PortSelection.h"
#include "app/Toolbar.h"
#include "serial/ComDevices.h"

#include <QCoreApplication>

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace markast {

class PathLabel;
class ProgressBar;
class StatusBar;

// The main window's menus and controls as the form designer laid them out, in twips, named as
// it named them. Like the classes Qt Designer generates, it builds them, and it carries out
// the plain operations on them that port selection needs; frmMain inherits them and adds the
// behaviour.
class frmMainLayout : public PortMenu {
    Q_DECLARE_TR_FUNCTIONS(markast::frmMain)

public:
    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuActions = nullptr;
    QAction* mnuDownload = nullptr;
    QAction* mnuPreview = nullptr;
    QMenu* mnuSettings = nullptr;
    QMenu* mnuComPorts = nullptr;
    QAction* mniCom1 = nullptr;
    QAction* mniCom2 = nullptr;
    QAction* mniCom3 = nullptr;
    QAction* mniCom4 = nullptr;
    QAction* mnuDevices = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QWidget* client = nullptr;
    QGroupBox* Frame1 = nullptr;
    PathLabel* Label1 = nullptr;
    ProgressBar* ProgressBar1 = nullptr;
    Toolbar* tbToolBar = nullptr;
    StatusBar* sbStatusBar = nullptr;
    QLabel* lblHelp = nullptr;
    QLabel* Action = nullptr;
    ImageList imlToolbarIcons;

    // Added by the load sequence, and held for the window's whole life.
    ToolbarButton* btnOpen = nullptr;
    ToolbarButton* btnDownload = nullptr;

    // PortMenu: Com 1 to Com 4 and the status bar's port panel.
    bool isPortChecked(int port) const override;
    void setPortChecked(int port, bool checked) override;
    bool isPortEnabled(int port) const override;
    void setPortEnabled(int port, bool enabled) override;
    void setPortPanelText(const QString& text) override;

protected:
    // The window's look, its menus and its controls, in the order the designer created them.
    void setupUi(QMainWindow& window);
    // The Open and Download buttons, in that order; Download disabled.
    void addToolbarButtons();
    // Sets every text of the layout anew, in the language now in use.
    void retranslateUi();
    // The toolbar and the status bar are aligned controls: they span the client area's width.
    void arrangeAlignedControls();
    // Com 1 to Com 4 by number.
    QAction* portItem(int port) const { return portItems_.at(std::size_t(port - 1)); }

private:
    void setupMenus(QMainWindow& window);
    void setupControls();
    void setTabOrderAsLaidOut();

    QMainWindow* window_ = nullptr;
    std::array<QAction*, ComPortCount> portItems_{};
};

} // namespace markast

#pragma once

#include <QCoreApplication>
#include <QString>

namespace markast {

// What a load or a download shows on the main window, and how it lets the window live.
class TransferView {
public:
    enum class Phase { Idle, Sending, Settling };

    virtual ~TransferView() = default;
    virtual QString statusText() const = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void refreshAction() = 0;
    virtual float progressMax() const = 0;
    virtual void setProgressMax(float max) = 0;
    virtual float progressValue() const = 0;
    virtual void setProgressValue(float value) = 0;
    virtual void setFileText(const QString& text) = 0;
    virtual void setHelpText(const QString& text) = 0;
    virtual void setDownloadEnabled(bool enabled) = 0;
    virtual void enableOpen() = 0;

    virtual void setPhase(Phase phase) = 0;
    // Repaints and answers the desktop, but takes no mouse or key input.
    virtual void keepResponsive() = 0;
    // Handles every pending window event, input included.
    virtual void processEvents() = 0;
    // True once the window has been closed; nothing may be shown on it any more.
    virtual bool isUnloaded() const = 0;
};

// The context the load's and the download's texts are translated in.
class Transfer {
    Q_DECLARE_TR_FUNCTIONS(Transfer)
};

} // namespace markast

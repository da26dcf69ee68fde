#pragma once

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

namespace texts {
inline const QString LoadedHelp = QStringLiteral(
    "On the marker select F10, F10, F1, F8) Load HPGL. Enter a name for the logo then press "
    "Enter. Then click Download.");
inline const QString DownloadedHelp = QStringLiteral(
    "Download Complete. To mark the logo create a layout, enter the name of the logo on a line "
    "of the layout. Set the line content to HPGL Logo. Set the size. You are now ready to mark "
    "the logo.");
} // namespace texts

} // namespace markast

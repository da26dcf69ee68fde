#pragma once

#include "transfer/LogoBuffer.h"
#include "transfer/TransferView.h"

#include <QStringList>

#include <functional>

namespace markast::test {

// Records what a load or a download shows, in order. Progress values are kept apart, since
// there is one per byte.
class RecordingView final : public TransferView {
public:
    QString statusText() const override { return status; }
    void setStatusText(const QString& text) override {
        status = text;
        log.append("status: " + text);
    }
    void refreshAction() override { log.append("refresh"); }
    float progressMax() const override { return max; }
    void setProgressMax(float max) override {
        this->max = max;
        log.append(QStringLiteral("max: %1").arg(double(max), 0, 'f', 0));
    }
    float progressValue() const override { return values.empty() ? 0 : values.back(); }
    void setProgressValue(float value) override;
    void setFileText(const QString& text) override { log.append("file: " + text); }
    void setHelpText(const QString& text) override { log.append("help: " + text); }
    void setDownloadEnabled(bool enabled) override {
        log.append(enabled ? "download enabled" : "download disabled");
    }
    void enableOpen() override { log.append("open enabled"); }
    void setPhase(Phase phase) override;
    void keepResponsive() override { ++keepResponsiveCalls; }
    void processEvents() override;
    bool isUnloaded() const override { return unloaded; }

    QStringList log;
    QString status;
    std::vector<float> values; // every progress value, in order
    bool logEveryValue = true; // off for big files
    float max = 100;
    int keepResponsiveCalls = 0;
    int processEventsCalls = 0;
    bool unloaded = false;
    std::function<void(float)> onProgress;
    std::function<void()> onProcessEvents;
};

// A logo buffer with bytes at indices 1 on, as a load leaves it; index 0, which is never sent,
// holds 0xEE so that a send of it shows.
LogoBuffer logoOf(const QByteArray& bytes);

} // namespace markast::test

#pragma once

#include <QStatusBar>
#include <QStringList>

class QLabel;

namespace markast {

// A status bar in simple style: one text across its whole width. Its panels hold their texts
// but are never drawn, as long as the bar stays simple, which it always does.
class StatusBar final : public QStatusBar {
public:
    explicit StatusBar(QWidget* parent = nullptr);

    QString simpleText() const;
    void setSimpleText(const QString& text);

    // Panels are numbered from 1.
    QString panelText(int panel) const { return panels_.at(panel - 1); }
    void setPanelText(int panel, const QString& text) { panels_[panel - 1] = text; }

private:
    QLabel* simple_;
    QStringList panels_{QStringLiteral("Status"), QStringLiteral("Com Port")};
};

} // namespace markast

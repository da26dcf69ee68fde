#pragma once

#include <QLabel>

namespace markast {

// path with each control character shown as its picture (a line feed as U+240A), so that a
// path shown on one line cannot pass for another.
QString visiblePath(const QString& path);

// A one-line label for a file's path. A path too long for it is shortened in the middle, so
// that the file's name stays in view; the whole path is its tool tip and its accessible name.
// A path is only ever plain text, whatever marks it holds.
class PathLabel final : public QLabel {
public:
    explicit PathLabel(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPath();

    QString path_;
};

} // namespace markast

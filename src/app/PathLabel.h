#pragma once

#include <QLabel>

namespace markast {

// A one-line label for a file's path. A path too long for it is shortened in the middle, so
// that the file's name stays in view; the whole path is its tool tip and its accessible name.
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

#pragma once

#include <QList>
#include <QStringList>

class QWidget;

namespace markast::test {

// Prints each control's place within its parent, in twips, on a line that starts "layout: ",
// so that a run at another DPI can be compared with it.
void printLayoutInTwips(const QList<const QWidget*>& controls);

// Runs the test function of this test program in child processes at 96 and at 192 DPI, with
// Qt's own scaling off so that the window itself must scale, and compares the layouts it
// printed: empty when they agree to a pixel at 96 DPI, else what differed.
QString layoutDifferenceAt192Dpi(const QString& function, qsizetype controls);

// Runs the test function of this test program in a child process at dpi, as above: empty when
// it passed, else what it printed.
QString failuresAtDpi(int dpi, const QString& function);

} // namespace markast::test

#include "support/Layout.h"

#include "platform/ScreenTwips.h"

#include <QCoreApplication>
#include <QProcess>

namespace markast::test {

namespace {

const QString Prefix = QStringLiteral("layout: ");

// Runs function in a child at dpi, with Qt's own scaling off; false when its tests failed.
bool runAtDpi(int dpi, const QString& function, QString& output) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));
    environment.insert(QStringLiteral("QT_FONT_DPI"), QString::number(dpi));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {function});
    const bool passed = child.waitForFinished(120000) && child.exitCode() == 0;
    output = QString::fromLocal8Bit(child.readAllStandardOutput());
    return passed;
}

// The layout that function printed at dpi; empty when the child's tests failed.
QStringList layoutPrintedAt(int dpi, const QString& function) {
    QString output;
    if (!runAtDpi(dpi, function, output)) {
        qWarning("%s at %d DPI failed:\n%s", qPrintable(function), dpi, qPrintable(output));
        return {};
    }
    QStringList layout;
    for (const QString& line : output.split('\n')) {
        const qsizetype at = line.indexOf(Prefix);
        if (at >= 0)
            layout.append(line.mid(at + Prefix.size()).trimmed());
    }
    return layout;
}

} // namespace

void printLayoutInTwips(const QList<const QWidget*>& controls) {
    for (const QWidget* control : controls) {
        const ScreenTwips px(*control);
        const QRect place = control->geometry();
        qInfo("%s%s %g %g %g %g", qPrintable(Prefix), control->metaObject()->className(),
              px.twips(place.x()), px.twips(place.y()), px.twips(place.width()),
              px.twips(place.height()));
    }
}

QString layoutDifferenceAt192Dpi(const QString& function, qsizetype controls) {
    const QStringList at96 = layoutPrintedAt(96, function);
    const QStringList at192 = layoutPrintedAt(192, function);
    bool same = at96.size() == controls && at192.size() == controls;
    for (qsizetype i = 0; same && i < controls; ++i) {
        const QStringList one = at96[i].split(' ');
        const QStringList other = at192[i].split(' ');
        same = one.size() == other.size() && one[0] == other[0];
        for (qsizetype field = 1; same && field < one.size(); ++field)
            same = std::abs(one[field].toDouble() - other[field].toDouble()) <= 15; // 1 px at 96
    }
    if (same)
        return {};
    return QStringLiteral("at 96 DPI:\n%1\nat 192 DPI:\n%2").arg(at96.join('\n'), at192.join('\n'));
}

QString failuresAtDpi(int dpi, const QString& function) {
    QString output;
    return runAtDpi(dpi, function, output) ? QString() : output;
}

} // namespace markast::test

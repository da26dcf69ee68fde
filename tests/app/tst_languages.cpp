// Markast in German, Spanish and Chinese: every text fits its box at 96 and 192 DPI, a choice
// takes effect at once, numbers follow the language, and a damaged translation means English.
#include "about/frmAbout.h"
#include "app/LanguageMenu.h"
#include "app/StatusBar.h"
#include "app/frmPreview.h"
#include "support/Layout.h"
#include "support/WindowRig.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace markast;
using namespace markast::test;

namespace {

bool oneLineFits(const QWidget& widget, const QString& text) {
    return widget.fontMetrics().horizontalAdvance(text) <= widget.width();
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

    // The main window's texts in their fixed boxes: whole, on one line where the box is one.
    void verifyMainWindowFits(frmMain& main, const char* state) {
        const QString where = QString::fromLatin1(state) + ": ";
        QVERIFY2(main.lblHelp->heightForWidth(main.lblHelp->width()) <= main.lblHelp->height(),
                 qPrintable(where + main.lblHelp->text()));
        QVERIFY2(oneLineFits(*main.Action, main.Action->text()), qPrintable(where + "Action"));
        QVERIFY2(oneLineFits(*main.Frame1, main.Frame1->title() + "    "),
                 qPrintable(where + "Frame1"));
        const QLabel* status = main.sbStatusBar->findChild<QLabel*>();
        QVERIFY2(oneLineFits(*status, status->text()), qPrintable(where + status->text()));
        QVERIFY2(main.menuBar()->sizeHint().width() <= main.width(), qPrintable(where + "menus"));
        for (QAction* button : main.tbToolBar->actions()) {
            const QWidget* shown = main.tbToolBar->widgetForAction(button);
            QVERIFY2(shown && shown->isVisible() &&
                         main.tbToolBar->rect().contains(shown->geometry()),
                     qPrintable(where + button->text()));
        }
    }

private Q_SLOTS:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    void everyTextFits_data() {
        QTest::addColumn<QString>("code");
        for (const Language& language : languages())
            QTest::newRow(qPrintable(language.code)) << language.code;
    }

    void everyTextFits() {
        QFETCH(QString, code);
        rig->fakes.translations.apply(code);
        QCOMPARE(rig->fakes.translations.current(), code);
        frmMain& main = rig->startFake();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        verifyMainWindowFits(main, "after start");
        rig->open(rig->writeFile("logo.plt", "IN;PU0,0;PD100,0;"));
        verifyMainWindowFits(main, "loaded");
        main.mnuDownload->trigger();
        verifyMainWindowFits(main, "downloaded");

        main.move(0, 0); // so that the box fits the small offscreen screen at 192 DPI too
        frmAbout about(&main, {rig->fakes.registry, rig->fakes.processes, rig->fakes.messages});
        about.show();
        for (const QLabel* line : {about.Label1, about.Label2, about.Label3, about.Label4,
                                   about.Label5, about.Label6, about.lblVersion})
            QVERIFY2(oneLineFits(*line, line->text()), qPrintable(line->text()));
        QVERIFY(about.lblDisclaimer->heightForWidth(about.lblDisclaimer->width()) <=
                about.lblDisclaimer->height());
        for (const QPushButton* button : {about.cmdOK, about.cmdSysInfo})
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }

    void everyTextFitsAt192Dpi() {
        const QString failures = failuresAtDpi(192, "everyTextFits");
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
    }

    // Settings > Language changes every text at once, and is kept; numbers follow it.
    void aChoiceTakesEffectAtOnce() {
        frmMain& main = rig->startFake();
        rig->open(rig->writeFile("logo.plt", "IN;PU0,0;PD1692,0,1692,484;"));
        main.mnuPreview->trigger();
        const auto* preview = main.findChild<frmPreview*>();
        QVERIFY(preview);
        QTRY_COMPARE(preview->lblSize->text(), // once the logo is read
                     QStringLiteral("Size: 42.3 × 12.1 mm (1,692 × 484 plotter units) · 1 stroke"));

        main.mnuLanguage->actions()[2]->trigger(); // Deutsch
        QCoreApplication::processEvents();         // the LanguageChange events
        QCOMPARE(Settings(rig->fakes.settings).language(), QStringLiteral("de"));
        QCOMPARE(main.mnuFile->title(), QStringLiteral("&Datei"));
        QCOMPARE(main.statusText(), QStringLiteral("Logo geladen, jetzt Übertragen wählen"));
        QCOMPARE(main.btnDownload->caption(), QStringLiteral("Übertragen"));
        QCOMPARE(preview->lblSize->text(),
                 QStringLiteral("Größe: 42,3 × 12,1 mm (1.692 × 484 Plottereinheiten) · 1 Strich"));
        QVERIFY(main.mnuLanguage->actions()[2]->isChecked());

        main.mnuLanguage->actions()[0]->trigger(); // the system's: English here
        QCoreApplication::processEvents();
        QCOMPARE(Settings(rig->fakes.settings).language(), QString());
        QCOMPARE(main.statusText(), QStringLiteral("Logo Loaded, Now Select Download"));
    }

    // The translations are built in, wherever the program runs from; a language stored by hand
    // that has none means English.
    void aLanguageWithoutATranslationMeansEnglish() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no translation into fr"));
        rig->fakes.translations.apply("fr");
        QCOMPARE(rig->fakes.translations.current(), QStringLiteral("en"));
        QCOMPARE(rig->startFake().mnuFile->title(), QStringLiteral("&File"));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"

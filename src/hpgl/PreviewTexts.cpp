#include "hpgl/PreviewTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace markast::hpgl {

namespace {

class Preview {
    Q_DECLARE_TR_FUNCTIONS(Preview)
};

QString counted(const std::map<QString, int>& mnemonics) {
    QStringList parts;
    for (const auto& [mnemonic, count] : mnemonics)
        parts.append(QStringLiteral("%1 \u00d7%2").arg(mnemonic).arg(count));
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString sizeText(const DisplayList& list) {
    const QLocale locale; // the language's, for decimals and thousands
    const QRectF& extent = list.extent;
    const qsizetype strokes = list.markCount();
    return Preview::tr("Size: %1 × %2 mm (%3 × %4 plotter units) · %5 %6")
        .arg(locale.toString(extent.width() * MillimetresPerUnit, 'f', 1),
             locale.toString(extent.height() * MillimetresPerUnit, 'f', 1),
             locale.toString(qlonglong(std::llround(extent.width()))),
             locale.toString(qlonglong(std::llround(extent.height()))),
             locale.toString(qlonglong(strokes)),
             strokes == 1 ? Preview::tr("stroke", "one") : Preview::tr("strokes", "several"));
}

QString notesText(const DisplayList& list, qsizetype byteCount, bool paintedInPart) {
    if (list.tooComplexToDraw())
        return Preview::tr("Too complex to preview: nothing is drawn in its first %1 of %2 bytes")
            .arg(QLocale().toString(qlonglong(list.readBytes)),
                 QLocale().toString(qlonglong(byteCount)));
    if (!list.hasDrawing())
        return Preview::tr("%1 bytes, with no HPGL drawing in them")
            .arg(QLocale().toString(qlonglong(byteCount)));
    QStringList notes;
    const QLocale locale;
    switch (list.completeness) {
    case DisplayList::Completeness::Whole:
        break;
    case DisplayList::Completeness::DrawnInPart:
        notes.append(Preview::tr("Too complex to preview in full: %1 of its %2 strokes are drawn")
                         .arg(locale.toString(qlonglong(list.markCount() - list.marksLeftOut)),
                              locale.toString(qlonglong(list.markCount()))));
        break;
    case DisplayList::Completeness::ReadInPart:
        notes.append(Preview::tr("Too complex to preview in full: only its first %1 of %2 bytes "
                                 "are drawn and measured")
                         .arg(locale.toString(qlonglong(list.readBytes)),
                              locale.toString(qlonglong(byteCount))));
        break;
    }
    if (paintedInPart)
        notes.append(Preview::tr("Too costly to draw in full at this size: some marks are left "
                                 "out"));
    if (!list.notDrawn.empty())
        notes.append(Preview::tr("Not drawn: %1").arg(counted(list.notDrawn)));
    if (!list.approximate.empty())
        notes.append(Preview::tr("Drawn approximately: %1").arg(counted(list.approximate)));
    return notes.isEmpty() ? Preview::tr("Everything in the file was drawn")
                           : notes.join(QStringLiteral("; "));
}

} // namespace markast::hpgl

#pragma once

class QAbstractButton;
class QLabel;

namespace markast {

// Gives the label the largest font, from its window's own down to floorPointSize in half
// points, at which its whole text fits its box: on one line, or wrapped where the label wraps.
void fitFontToLabel(QLabel& label, double floorPointSize = 7);
// The same for a push button of a fixed size: its caption fits inside its frame.
void fitFontToButton(QAbstractButton& button, double floorPointSize = 7);

} // namespace markast

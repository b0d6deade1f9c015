// Value labels never show a cut figure. A label whose text is wider than the room it has
// (the totals under a stock grid have the width of a grid column) shows the text elided
// ("123456…") and the whole figure in its tool tip; a text that fits is drawn as always.
#pragma once

class QLabel;
class QWidget;

// Watches every value label (a QLabel that is no static text) on inhoud.
void HoudGetallenHeel(QWidget* inhoud);

// Whether the label's text fits its room as it is drawn.
bool TekstPast(const QLabel* label);

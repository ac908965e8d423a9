#pragma once

#include <QFont>
#include <QString>

class QPainter;
class QStyleOptionViewItem;

// What the two list cells share.

// The row's background and selection highlight, drawn by the style as the platform does.
void drawCellBackground(QPainter *painter, const QStyleOptionViewItem &option);

// `text` cut with an ellipsis to the width a cell leaves between its two insets.
QString elidedCellText(const QString &text, const QFont &font, qreal cellWidth, int inset);

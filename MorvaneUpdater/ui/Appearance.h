#pragma once

#include <QColor>
#include <QFont>

class QApplication;

// The window's look: the colours of its surfaces, its font, and the light palette it keeps.

// Grey levels of the window's surfaces.
QColor calibratedWhite(double level);
inline QColor panelBackgroundColor()
{
    return calibratedWhite(0.86);
}
inline QColor productListBackgroundColor()
{
    return calibratedWhite(0.94);
}
// The cells draw their texts in fixed dark greys, so the list selection stays light.
inline QColor selectionColor()
{
    return QColor(196, 221, 250);
}

// The highlight of the light desktop look; also the update button's focus ring.
inline QColor accentColor()
{
    return QColor(0, 99, 225);
}

// The system font at a size in logical pixels, as the window's layout is measured.
QFont systemFont(int pixelSize, bool bold = false);

// The window always looks light, whatever the desktop's theme.
void applyLightAppearance(QApplication &app);

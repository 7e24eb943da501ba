// The application object's services: its title (the caption of the game's own message boxes and
// of the error box, and the name of the main window in the task bar) and the fonts that the form
// definitions name.
#pragma once

#include <QString>

class QWidget;

namespace reki {

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// The form definitions name Windows fonts ("MS Sans Serif", "System", "Symbol", "Arial"); they are
// mapped once to a sans-serif font that Linux has (Liberation Sans, from fonts-liberation2).
void RegisterFontFallbacks();

// Form definitions give font sizes in pixels, as the dynamic property "fontPixelSize" of a widget
// (Designer's own font property only knows points). Applies them to root and all its children.
void ApplyPixelFontSizes(QWidget* root);

// Places a top-level window in the middle of its screen.
void CenterOnScreen(QWidget* window);

}  // namespace reki

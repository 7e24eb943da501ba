#include "platform/application.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QWidget>

namespace reki {

namespace {

// Kept apart from Qt's application display name, which Qt would append to every window caption.
QString& Title() {
  static QString title;
  return title;
}

}  // namespace

QString ApplicationTitle() { return Title(); }

void SetApplicationTitle(const QString& title) { Title() = title; }

void RegisterFontFallbacks() {
  // Liberation Sans has the widths of Arial, so the designed captions fit as they were meant to.
  const QString sans = QStringLiteral("Liberation Sans");
  for (const char* windowsFont : {"MS Sans Serif", "System", "Symbol", "Arial"}) {
    QFont::insertSubstitution(QString::fromLatin1(windowsFont), sans);
  }
}

void ApplyPixelFontSizes(QWidget* root) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  // Parents first, so that a child's own size is set after the one it inherits.
  for (QWidget* widget : widgets) {
    const QVariant size = widget->property("fontPixelSize");
    if (size.isValid()) {
      QFont font = widget->font();
      font.setPixelSize(size.toInt());
      widget->setFont(font);
    }
  }
}

void CenterOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) {
    return;
  }
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace reki

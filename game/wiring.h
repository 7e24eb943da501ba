// Connecting controls to the main window's handlers, each call under the error guard.
#pragma once

#include <QAbstractButton>
#include <QAction>

#include "game/reki_form.h"
#include "platform/guard.h"

namespace reki {

template <class Handler>
void TRekitoSpelForm::OnClick(QAbstractButton* button, Handler handler) {
  connect(button, &QAbstractButton::clicked, this, Guarded(std::move(handler)));
}

template <class Handler>
void TRekitoSpelForm::OnTrigger(QAction* action, Handler handler) {
  connect(action, &QAction::triggered, this, Guarded(std::move(handler)));
}

}  // namespace reki

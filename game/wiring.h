// Connecting controls to the main window's handlers, each call under the error guard.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QListWidget>

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

// A click or a key that moves the selection selects a line; emptying or refilling the list, or
// giving it the focus, selects none and runs nothing.
template <class Handler>
void TRekitoSpelForm::OnSelect(QListWidget* list, Handler handler) {
  connect(list, &QListWidget::itemSelectionChanged, this,
          [list, guarded = Guarded(std::move(handler))] {
            if (!list->selectedItems().isEmpty()) {
              guarded();
            }
          });
}

}  // namespace reki

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "game/reki_form.h"
#include "game/status_table.h"
#include "platform/guard.h"
#include "platform/int_text.h"
#include "ui_rekitospelform.h"

namespace reki {
namespace {

// The objects that a row of the control table names.
QList<QObject*> ControlsNamed(QObject* window, std::string_view name) {
  const QString text = QString::fromLatin1(name.data(), static_cast<int>(name.size()));
  if (!text.endsWith(u'*')) {
    return {window->findChild<QObject*>(text)};
  }
  const QString prefix = text.chopped(1);
  QList<QObject*> matching;
  for (QObject* child : window->findChildren<QObject*>()) {
    if (child->objectName().startsWith(prefix)) {
      matching.append(child);
    }
  }
  return matching;
}

void Apply(QObject* control, Property property, bool on) {
  // A submenu of the menu bar is shown or hidden through its entry in the bar.
  if (auto* menu = qobject_cast<QMenu*>(control)) {
    control = menu->menuAction();
  }
  if (auto* action = qobject_cast<QAction*>(control)) {
    property == Property::kVisible ? action->setVisible(on) : action->setEnabled(on);
  } else if (auto* timer = qobject_cast<Timer*>(control)) {
    timer->SetEnabled(on);
  } else if (auto* widget = qobject_cast<QWidget*>(control)) {
    property == Property::kVisible ? widget->setVisible(on) : widget->setEnabled(on);
  }
}

}  // namespace

void TRekitoSpelForm::ZetSpelStatus(int status) {
  SpelStatus = status;
  const std::optional<std::size_t> column = StatusColumn(status);
  if (!column) {
    ShowPlainMessage(QStringLiteral("SpelStatus : Onjuiste Invoer: ") + QString::number(status));
    return;
  }
  for (const ControlRow& row : kControlTable) {
    const Set value = row.perStatus[*column];
    if (value == Set::kKeep) {
      continue;
    }
    for (QObject* control : ControlsNamed(this, row.control)) {
      Apply(control, row.property, value == Set::kOn);
    }
  }

  const StatusActions& actions = kStatusActions[*column];
  if (actions.plaatjesLeft) {
    ui_->PlaatjesPanel->move(*actions.plaatjesLeft, ui_->PlaatjesPanel->y());
  }
  QPushButton* const numberButtons[] = {ui_->G1, ui_->G2, ui_->G3, ui_->G4};
  QLineEdit* const exercise[] = {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4};
  QLabel* const pictures[] = {ui_->PlaatjeLabel1, ui_->PlaatjeLabel2, ui_->PlaatjeLabel3,
                              ui_->PlaatjeLabel4};
  switch (actions.captions) {
    case Captions::kUntouched:
      break;
    case Captions::kEmptyCalculator:
    case Captions::kExercise: {
      const bool playing = actions.captions == Captions::kExercise;
      for (int i = 0; i < 4; ++i) {
        numberButtons[i]->setText(playing ? exercise[i]->text() : QString());
      }
      for (QPushButton* result : {ui_->R1, ui_->R2, ui_->R3}) {
        result->setText(QString());
        result->setToolTip(QString());
      }
      if (playing) {
        for (int i = 0; i < 4; ++i) {
          pictures[i]->setText(exercise[i]->text());
        }
        ui_->QuotumLabel1->setText(ui_->QuotumEdit->text());
      }
      break;
    }
    case Captions::kRandomPictures:
      for (QLabel* picture : pictures) {
        picture->setText(QString::number(Getallen[Willekeurig.Next(kNumberCount)]));
      }
      ui_->QuotumLabel1->setText(ui_->QuotumEdit->text());
      break;
  }
  if (actions.resetGridPick) {
    GekozenRij = 1;
  }
  if (actions.levelChoice) {
    ui_->InfoPanel->setVisible(EersteNiveauKeuze);
    ui_->GoedFoutPanel->setVisible(!EersteNiveauKeuze);
    EersteNiveauKeuze = false;
    if (Lijst(ui_->RadioGroup1Buttons->checkedId() + 1).empty()) {
      ToonGeenOpgaven();
    }
  }
}

}  // namespace reki

#include "game/calc_form.h"

#include <QListWidget>

#include "engine/patterns.h"
#include "ui_calcform.h"

namespace reki {

TCalcForm::TCalcForm(QWidget* parent) : QWidget(parent), ui_(new Ui::TCalcForm) {
  ui_->setupUi(this);
  QListWidget* const lists[] = {ui_->ListBoxTypeI, ui_->ListBoxTypeII, ui_->ListBoxTypeIII,
                                ui_->ListBoxTypeIV};
  for (const Shape shape : kShapes) {
    QListWidget* list = lists[static_cast<int>(shape)];
    for (const std::string_view pattern : PatternsOf(shape)) {
      list->addItem(QString::fromLatin1(pattern.data(), static_cast<int>(pattern.size())));
    }
  }
  // The Type I table is long: two columns.
  ui_->ListBoxTypeI->setFlow(QListView::TopToBottom);
  ui_->ListBoxTypeI->setWrapping(true);
}

TCalcForm::~TCalcForm() = default;

}  // namespace reki

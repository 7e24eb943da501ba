// The form that holds the solver's operator patterns, one list box per bracket shape. It is
// created at start and never shown; its lists are filled from the engine's tables.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TCalcForm;
}

namespace reki {

class TCalcForm : public QWidget {
  Q_OBJECT

 public:
  explicit TCalcForm(QWidget* parent = nullptr);
  ~TCalcForm() override;

 private:
  std::unique_ptr<Ui::TCalcForm> ui_;
};

}  // namespace reki

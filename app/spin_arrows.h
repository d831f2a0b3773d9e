#pragma once

#include <QWidget>
#include <cstdint>
#include <string_view>

#include "app/control_table.h"

class QToolButton;

namespace xuanhao {

// The value a step of the spin arrows gives a box holding `text`: the text read
// as a plain decimal, moved by one; outside the range, up gives low and down high.
std::int32_t SpinStep(std::string_view text, SpinRange range, bool up);

// A pair of up and down arrows beside an edit box. Held down, an arrow repeats
// its step one at a time.
class SpinArrows : public QWidget {
    Q_OBJECT
  public:
    explicit SpinArrows(QWidget* parent);
    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }

  signals:
    void Stepped(bool up);

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace xuanhao

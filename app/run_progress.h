#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <memory>

class QProgressDialog;
class QWidget;

namespace xuanhao {

// Progress of a long run: after half a second a modal dialog shows how much of
// the enumeration is done and how many combinations were found so far, and lets
// the user cancel. While it shows, the windows repaint; the main window still
// takes no input.
class RunProgress {
  public:
    explicit RunProgress(QWidget* owner);
    ~RunProgress();

    // Called every few thousand steps of a run; false when the user cancelled.
    bool operator()(double fractionDone, std::uint64_t found);

  private:
    QWidget* owner_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceRepaint_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace xuanhao

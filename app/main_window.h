#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "filter/control_port.h"
#include "filter/program_state.h"
#include "filter/run.h"
#include "filter/survivors.h"

class QLineEdit;
class QPushButton;

namespace xuanhao {

struct ControlSpec;
class SpinArrows;
class ResultsWindow;

// The main window 主窗口, captioned "15选5", with every control at its stored
// place. It is the ControlPort of the program: every handler reads and writes
// the controls through GetControlText and SetControlText.
class MainWindow : public QWidget, public ControlPort {
    Q_OBJECT
  public:
    // The client area that a 3-pixel frame and a 23-pixel caption leave inside
    // the window's outer size of 455 x 339.
    static constexpr int kOuterWidth = 455;
    static constexpr int kOuterHeight = 339;
    static constexpr int kClientWidth = 449;
    static constexpr int kClientHeight = 310;

    // Builds the window and its controls, not yet visible; no event is delivered.
    // onStartClicked runs a whole run on a click of 按钮1.
    MainWindow(ProgramState& state, std::function<RunResult()> onStartClicked);
    ~MainWindow() override;

    // Opens the window: delivers the created event, then shows the window centred.
    void Open();

    std::string GetControlText(std::string_view name) override;
    void SetControlText(std::string_view name, const std::string& text) override;

    QWidget* Control(std::string_view name) const;
    QPushButton* ResultsButton() const { return resultsButton_; }
    ResultsWindow* Results() const { return resultsWindow_; }

  private:
    void CreateControl(const ControlSpec& spec);
    void OnTextChanged(std::string_view name);
    void OnSpinStepped(QLineEdit* box, const ControlSpec& spec, bool up);
    void StartRun();
    void ShowResults();
    void OnWindowCreated();
    void OnOddEditChanged();
    void OnEvenEditChanged();

    ProgramState& state_;
    std::function<RunResult()> onStartClicked_;
    QPushButton* resultsButton_ = nullptr;  // 查看结果: the survivors of the last run
    ResultsWindow* resultsWindow_ = nullptr;
    std::shared_ptr<const RunRecord> lastRun_;
    std::map<std::string, QWidget*, std::less<>> controls_;
    bool eventsDelivered_ = false;
};

}  // namespace xuanhao

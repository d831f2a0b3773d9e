#include "app/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <limits>

#include "app/control_label.h"
#include "app/control_table.h"
#include "app/group_size.h"
#include "app/results_window.h"
#include "app/spin_arrows.h"
#include "convert/fatal_stop.h"
#include "convert/number_text.h"
#include "filter/control_names.h"

namespace xuanhao {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(ProgramState& state, std::function<RunResult()> onStartClicked)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state),
      onStartClicked_(std::move(onStartClicked)) {
    setObjectName(QStringLiteral("主窗口"));
    setWindowTitle(QStringLiteral("15选5"));
    setFixedSize(kClientWidth, kClientHeight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - kOuterWidth) / 2,
         screen.top() + (screen.height() - kOuterHeight) / 2);

    // Later children lie above earlier ones: create from the bottom of the stack up.
    const auto specs = MainWindowControls();
    for (auto spec = specs.rbegin(); spec != specs.rend(); ++spec) CreateControl(*spec);

    // Beyond the stored controls: the button that opens the survivors of a run,
    // in the free space above 按钮1, disabled until a run reports.
    resultsButton_ = new QPushButton(QStringLiteral("查看结果"), this);
    resultsButton_->setObjectName(QStringLiteral("查看结果按钮"));
    resultsButton_->setGeometry(208, 226, 80, 28);
    resultsButton_->setEnabled(false);
    connect(resultsButton_, &QPushButton::clicked, this, &MainWindow::ShowResults);

    setTabOrder(Control(controls::编辑框1), Control(controls::前数文本框));
    setTabOrder(Control(controls::前数文本框), Control(controls::后数文本框));
    setTabOrder(Control(controls::后数文本框), Control(controls::奇数编辑框));
    setTabOrder(Control(controls::奇数编辑框), Control(controls::偶数编辑框));
    setTabOrder(Control(controls::偶数编辑框), Control(controls::分解数编辑框));
    setTabOrder(Control(controls::分解数编辑框), Control(controls::按钮1));
}

void MainWindow::CreateControl(const ControlSpec& spec) {
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::kLabel:
        case ControlKind::kTransparentLabel: {
            auto* label = new ControlLabel(this);
            label->setAutoFillBackground(spec.kind == ControlKind::kLabel);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            SetTextColour(label, spec.blueWrapped ? QColor(0, 0, 255) : QColor(Qt::black));
            if (spec.blueWrapped) {
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            }
            label->SetStoredText(std::string(spec.text));
            widget = label;
            break;
        }
        case ControlKind::kEditBox: {
            auto* box = new QLineEdit(this);
            box->setMaxLength(std::numeric_limits<int>::max());  // no length limit of its own
            box->setText(ToQString(spec.text));
            if (spec.centred) box->setAlignment(Qt::AlignCenter);
            box->setEnabled(!spec.disabled);
            const std::string name(spec.name);
            connect(box, &QLineEdit::textChanged, this, [this, name] { OnTextChanged(name); });
            if (spec.spin.Present()) {
                auto* arrows = new SpinArrows(this);
                arrows->setObjectName(ToQString(spec.name) + QStringLiteral("_arrows"));
                arrows->setGeometry(spec.left + spec.width, spec.top, kSpinArrowsWidth,
                                    spec.height);
                arrows->setEnabled(!spec.disabled);
                connect(arrows, &SpinArrows::Stepped, this,
                        [this, box, &spec](bool up) { OnSpinStepped(box, spec, up); });
            }
            widget = box;
            break;
        }
        case ControlKind::kCheckBox: {
            auto* check = new QCheckBox(ToQString(spec.text), this);
            check->setChecked(spec.ticked);
            widget = check;
            break;
        }
        case ControlKind::kPanel: {
            auto* panel = new QFrame(this);
            panel->setFrameStyle(QFrame::Box | QFrame::Plain);
            panel->setLineWidth(1);
            SetTextColour(panel, palette().color(QPalette::Mid));
            widget = panel;
            break;
        }
        case ControlKind::kButton: {
            auto* button = new QPushButton(ToQString(spec.text), this);
            connect(button, &QPushButton::clicked, this, [this] {
                if (eventsDelivered_ && !FatalStopRaised()) StartRun();
            });
            widget = button;
            break;
        }
    }
    widget->setObjectName(ToQString(spec.name));
    widget->setGeometry(spec.left, spec.top, spec.width, spec.height);
    controls_.emplace(std::string(spec.name), widget);
}

MainWindow::~MainWindow() = default;

void MainWindow::StartRun() {
    resultsButton_->setEnabled(false);
    auto record = std::make_shared<RunRecord>();
    for (const std::string_view name :
         {controls::编辑框1, controls::奇数编辑框, controls::偶数编辑框, controls::前数文本框,
          controls::后数文本框, controls::分解数编辑框}) {
        record->texts.emplace(name, GetControlText(name));
    }
    RunResult result = onStartClicked_ ? onStartClicked_() : RunResult{};
    if (result.end != RunEnd::kReported) {
        lastRun_.reset();
        if (resultsWindow_ != nullptr) resultsWindow_->close();
        return;
    }
    record->groupSize = result.groupSize;
    record->foundCount = result.foundCount;
    record->keptRows = std::move(result.keptRows).TakeElements();
    lastRun_ = std::move(record);
    resultsButton_->setEnabled(true);
    if (resultsWindow_ != nullptr && resultsWindow_->isVisible()) resultsWindow_->Show(lastRun_);
}

void MainWindow::ShowResults() {
    if (!lastRun_) return;
    if (resultsWindow_ == nullptr) resultsWindow_ = new ResultsWindow(this);
    resultsWindow_->Show(lastRun_);
}

void MainWindow::Open() {
    QCoreApplication::processEvents();  // handled while events are still suspended
    eventsDelivered_ = true;
    OnWindowCreated();
    show();
    Control(controls::编辑框1)->setFocus();
}

QWidget* MainWindow::Control(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

std::string MainWindow::GetControlText(std::string_view name) {
    QWidget* widget = Control(name);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text().toStdString();
    if (auto* label = qobject_cast<ControlLabel*>(widget)) return label->StoredText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
    return {};
}

void MainWindow::SetControlText(std::string_view name, const std::string& text) {
    QWidget* widget = Control(name);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        {
            const QSignalBlocker swallowChangeNotices(box);
            box->setText(QString::fromStdString(text));
        }
        OnTextChanged(name);  // exactly once, even when the text stayed the same
    } else if (auto* label = qobject_cast<ControlLabel*>(widget)) {
        label->SetStoredText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(QString::fromStdString(text));
    }
}

void MainWindow::OnTextChanged(std::string_view name) {
    if (!eventsDelivered_ || FatalStopRaised()) return;
    if (name == controls::奇数编辑框) OnOddEditChanged();
    if (name == controls::偶数编辑框) OnEvenEditChanged();
}

void MainWindow::OnSpinStepped(QLineEdit* box, const ControlSpec& spec, bool up) {
    if (!box->isEnabled() || !box->isVisible()) return;
    const std::int32_t value = SpinStep(box->text().toStdString(), spec.spin, up);
    SetControlText(spec.name, NumberToText(value));
    box->selectAll();
    box->setFocus();
}

void MainWindow::OnWindowCreated() { RecomputeGroupSize(*this, state_); }
void MainWindow::OnOddEditChanged() { RecomputeGroupSize(*this, state_); }
void MainWindow::OnEvenEditChanged() { RecomputeGroupSize(*this, state_); }

}  // namespace xuanhao

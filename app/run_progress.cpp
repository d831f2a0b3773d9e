#include "app/run_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace xuanhao {

namespace {
constexpr qint64 kQuietMs = 500;   // runs shorter than this show nothing
constexpr qint64 kRepaintMs = 50;  // how often the windows are given time to repaint
constexpr int kSteps = 1000;
}  // namespace

RunProgress::RunProgress(QWidget* owner) : owner_(owner) {
    sinceStart_.start();
    sinceRepaint_.start();
}

RunProgress::~RunProgress() = default;

bool RunProgress::operator()(double fractionDone, std::uint64_t found) {
    if (sinceStart_.elapsed() < kQuietMs) return true;
    if (sinceRepaint_.elapsed() < kRepaintMs && dialog_) return !dialog_->wasCanceled();
    sinceRepaint_.restart();
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("正在处理…"),
                                                    QStringLiteral("取消"), 0, kSteps, owner_);
        dialog_->setObjectName(QStringLiteral("进度框"));
        dialog_->setWindowTitle(QStringLiteral("15选5"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        dialog_->show();
    }
    dialog_->setValue(static_cast<int>(fractionDone * kSteps));
    dialog_->setLabelText(QStringLiteral("已完成 %1%，已找到 %2 组")
                              .arg(fractionDone * 100, 0, 'f', 1)
                              .arg(static_cast<qulonglong>(found)));
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

}  // namespace xuanhao

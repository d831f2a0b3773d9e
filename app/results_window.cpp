#include "app/results_window.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <set>
#include <sstream>

#include "app/results_model.h"
#include "convert/message_box.h"

namespace xuanhao {

ResultsWindow::ResultsWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      model_(new ResultsModel(this)),
      note_(new QLabel(this)),
      table_(new QTableView(this)) {
    setObjectName(QStringLiteral("结果窗口"));
    resize(520, 420);
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* copy = new QPushButton(QStringLiteral("复制"), this);
    copy->setObjectName(QStringLiteral("复制按钮"));
    auto* save = new QPushButton(QStringLiteral("保存…"), this);
    save->setObjectName(QStringLiteral("保存按钮"));
    connect(copy, &QPushButton::clicked, this, &ResultsWindow::CopyToClipboard);
    connect(save, &QPushButton::clicked, this, &ResultsWindow::AskWhereToSave);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_);
    layout->addLayout(buttons);
}

void ResultsWindow::Show(std::shared_ptr<const RunRecord> record) {
    const qulonglong found = record->foundCount;
    const qulonglong kept = record->KeptCount();
    setWindowTitle(QStringLiteral("结果 — 共 %1 组").arg(found));
    note_->setText(QStringLiteral("仅显示前 %1 组，共 %2 组").arg(kept).arg(found));
    note_->setVisible(kept < found);
    model_->SetRecord(std::move(record));
    if (!isVisible() && parentWidget() != nullptr) {  // over the main window
        move(parentWidget()->frameGeometry().center() - rect().center());
    }
    show();
    raise();
}

QString ResultsWindow::CopyText() const {
    const RunRecord* record = model_->Record();
    if (record == nullptr) return {};
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty()) {
        for (int row = 0; row < model_->rowCount(); ++row) rows.insert(row);
    }
    std::ostringstream text;
    const auto groupSize = static_cast<std::size_t>(record->groupSize);
    for (const int row : rows) {
        WriteRow(text, RowFormat::kSpaced, 0,
                 std::span(record->keptRows)
                     .subspan(static_cast<std::size_t>(row) * groupSize, groupSize));
    }
    return QString::fromStdString(text.str());
}

void ResultsWindow::CopyToClipboard() const { QGuiApplication::clipboard()->setText(CopyText()); }

bool ResultsWindow::SaveTo(const QString& path) {
    const RunRecord* record = model_->Record();
    if (record == nullptr) return false;
    const RowFormat format = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
                                 ? RowFormat::kCsv
                                 : RowFormat::kSpaced;
    const std::string failure = SaveSurvivors(path.toStdString(), format, *record);
    if (failure.empty()) return true;
    ShowMessage(failure, 0, std::string("保存失败"));
    return false;
}

void ResultsWindow::AskWhereToSave() {
    QString filter;
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("保存结果"), QStringLiteral("结果.txt"),
                                     QStringLiteral("文本文件 (*.txt);;CSV 文件 (*.csv)"), &filter);
    if (path.isEmpty()) return;
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += filter.contains(QStringLiteral("csv")) ? ".csv" : ".txt";
    SaveTo(target);
}

}  // namespace xuanhao

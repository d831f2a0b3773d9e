#include "app/results_model.h"

namespace xuanhao {

void ResultsModel::SetRecord(std::shared_ptr<const RunRecord> record) {
    beginResetModel();
    record_ = std::move(record);
    endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !record_ ? 0 : static_cast<int>(record_->KeptCount());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !record_ ? 0 : record_->groupSize + 1;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!record_ || !index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() == 0) return index.row() + 1;
    const auto at =
        static_cast<std::size_t>(index.row()) * static_cast<std::size_t>(record_->groupSize) +
        static_cast<std::size_t>(index.column() - 1);
    return record_->keptRows[at];
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? QStringLiteral("序号") : QStringLiteral("号码%1").arg(section);
}

}  // namespace xuanhao

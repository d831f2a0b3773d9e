#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "filter/survivors.h"

namespace xuanhao {

// The kept combinations of a run as a table: a row number, then the members.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

    void SetRecord(std::shared_ptr<const RunRecord> record);
    const RunRecord* Record() const { return record_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::shared_ptr<const RunRecord> record_;
};

}  // namespace xuanhao

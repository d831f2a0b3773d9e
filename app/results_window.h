#pragma once

#include <QWidget>
#include <memory>

#include "filter/survivors.h"

class QLabel;
class QTableView;

namespace xuanhao {

class ResultsModel;

// The surviving combinations of the last run: a table of the kept rows, a note
// when more were found than kept, and buttons to copy and to save them. It does
// not block the main window.
class ResultsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsWindow(QWidget* owner);

    void Show(std::shared_ptr<const RunRecord> record);

    // The text 复制 puts on the clipboard: the selected rows, or all rows when
    // none are selected, one per line, members separated by a space.
    QString CopyText() const;
    void CopyToClipboard() const;

    // Writes every surviving combination to path (.csv as CSV, else as text).
    // A failure is shown in a message box and changes nothing else.
    bool SaveTo(const QString& path);

    QTableView* Table() const { return table_; }

  private:
    void AskWhereToSave();

    ResultsModel* model_;
    QLabel* note_;
    QTableView* table_;
};

}  // namespace xuanhao

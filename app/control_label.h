#pragma once

#include <QLabel>
#include <string>

namespace xuanhao {

// A label that keeps its text exactly as set and draws it as the window's labels
// do: a one-line label does not break at line breaks, a word-wrapped one breaks
// at them and at its right edge.
class ControlLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ControlLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

    const std::string& StoredText() const { return stored_; }

    void SetStoredText(const std::string& text) {
        stored_ = text;
        QString shown = QString::fromStdString(text);
        if (wordWrap()) {
            shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        } else {
            shown.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        }
        setText(shown);
    }

  private:
    std::string stored_;
};

}  // namespace xuanhao

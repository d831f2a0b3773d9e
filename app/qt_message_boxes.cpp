#include "app/qt_message_boxes.h"

#include <QMessageBox>

namespace xuanhao {

namespace {

void ShowModal(QMessageBox::Icon icon, const std::string& caption, const std::string& text) {
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

void QtMessageBoxes::ShowInformation(const std::string& caption, const std::string& text,
                                     int /*flags: the system passes 0, one OK button, no icon*/) {
    ShowModal(QMessageBox::NoIcon, caption, text);
}

void QtMessageBoxes::ShowFatalError(const std::string& text) {
    ShowModal(QMessageBox::Critical, "xuanhao", text);
}

}  // namespace xuanhao

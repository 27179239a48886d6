#include "analysis/qt_user_interface_gui.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "analysis/messages.h"

namespace vesk {
namespace {

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ButtonOf(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Cancel: return QMessageBox::Cancel;
        case MessageAnswer::Yes: return QMessageBox::Yes;
        case MessageAnswer::No: return QMessageBox::No;
        case MessageAnswer::Retry: return QMessageBox::Retry;
        case MessageAnswer::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Retry: return MessageAnswer::Retry;
        default: return MessageAnswer::Ok;
    }
}

}  // namespace

MessageAnswer QtUserInterface::showMessage(const MessageRequest& request) {
    const QString title = QString::fromStdString(request.title.empty() ? std::string(ProgramTitle) : request.title);
    QMessageBox box(IconOf(request.icon), title, QString::fromStdString(request.prompt), ButtonsOf(request.buttons),
                    parent_);
    box.setDefaultButton(ButtonOf(request.defaultAnswer));
    return AnswerOf(box.exec());
}

void QtUserInterface::appendProgress(std::string_view text) {
    if (!progress_) return;
    QString current = progress_->toPlainText();
    current += QString::fromUtf8(text.data(), static_cast<int>(text.size())).remove('\r');
    progress_->setPlainText(current);
    progress_->verticalScrollBar()->setValue(progress_->verticalScrollBar()->maximum());
}

void QtUserInterface::processEvents() { QApplication::processEvents(); }

}  // namespace vesk

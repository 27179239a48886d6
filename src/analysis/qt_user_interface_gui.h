#pragma once
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include "analysis/user_interface.h"


namespace vesk {

// The desktop front end of the core: message boxes, the progress box and
// event processing between the steps of long runs.
class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}

    MessageAnswer showMessage(const MessageRequest& request) override;
    void appendProgress(std::string_view text) override;
    void processEvents() override;
    bool cancelRequested() override { return cancel_; }

    void setParent(QWidget* parent) { parent_ = parent; }
    void setProgressBox(QPlainTextEdit* box) { progress_ = box; }
    void requestCancel() { cancel_ = true; }
    void resetCancel() { cancel_ = false; }

private:
    QPointer<QWidget> parent_;
    QPointer<QPlainTextEdit> progress_;
    bool cancel_ = false;
};

}  // namespace vesk

#pragma once
#include <string>
#include <string_view>

namespace vesk {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
    std::string prompt;
    std::string title;  // empty: the program title "Vesk" is shown
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// What the core needs from whoever drives it: message boxes, the progress box
// and a chance to keep the screen alive during long runs. The GUI implements it
// with Qt widgets; the batch program and the tests without any window.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;
    // Text appended to the progress box (already contains its CR LF pairs).
    virtual void appendProgress(std::string_view text) { (void)text; }
    // Let pending window events run between the steps of a long operation.
    virtual void processEvents() {}
    // True when the user asked to stop a long operation (graph sweeps).
    virtual bool cancelRequested() { return false; }
};

}  // namespace vesk

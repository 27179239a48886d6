#pragma once
#include <deque>
#include <string>
#include <vector>

#include "analysis/user_interface.h"

namespace vesk {

// A window-less front end: records every message and progress text and
// answers questions from a script (or with each question's default answer).
// The batch program and the tests use it.
class RecordingUserInterface : public UserInterface {
public:
    MessageAnswer showMessage(const MessageRequest& request) override;
    void appendProgress(std::string_view text) override;

    std::vector<MessageRequest> messages;
    std::string progress;
    std::deque<MessageAnswer> scriptedAnswers;  // consumed front first
    bool echoToStderr = false;
};

}  // namespace vesk

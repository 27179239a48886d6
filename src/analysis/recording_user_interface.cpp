#include "analysis/recording_user_interface.h"

#include <iostream>

namespace vesk {

MessageAnswer RecordingUserInterface::showMessage(const MessageRequest& request) {
    messages.push_back(request);
    if (echoToStderr) {
        std::cerr << (request.title.empty() ? std::string("Vesk") : request.title) << ": " << request.prompt
                  << '\n';
    }
    if (!scriptedAnswers.empty()) {
        MessageAnswer answer = scriptedAnswers.front();
        scriptedAnswers.pop_front();
        return answer;
    }
    return request.defaultAnswer;
}

void RecordingUserInterface::appendProgress(std::string_view text) { progress.append(text); }

}  // namespace vesk

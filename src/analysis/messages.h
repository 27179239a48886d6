#pragma once
#include <string>

#include "analysis/user_interface.h"

namespace vesk {

struct Workspace;

inline constexpr const char* ProgramTitle = "Vesk";
inline constexpr const char* CrLf = "\r\n";

// Appends one numbered line to the history window (when it is enabled).
void AddHistory(Workspace& ws, const std::string& text);

// The program's message box: records the message in the history, then shows
// it through the workspace's front end and returns the button pressed.
MessageAnswer ShowMessage(Workspace& ws, const std::string& prompt, MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None, const std::string& title = "",
                          MessageAnswer defaultAnswer = MessageAnswer::Ok);

// Message-title prefixes of the dialogs (1, 2, 7, 8; any other number none).
std::string TitlePrefix(int prefixNumber);

}  // namespace vesk

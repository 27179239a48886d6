#include "analysis/messages.h"

#include "project/workspace.h"

namespace vesk {

void AddHistory(Workspace& ws, const std::string& text) {
    HistoryLog& log = ws.History;
    log.Enabled = ws.Options.DisplayHistoryWin != 0;
    log.MaxDisplaySize = ws.Options.MaxDisplaySize;
    if (!log.Enabled) return;
    if (static_cast<int>(log.Text.size()) >= log.MaxDisplaySize) {
        // Keep only the last two lines once the window has reached its size.
        int pairs = 0;
        for (size_t p = log.Text.find(CrLf); p != std::string::npos; p = log.Text.find(CrLf, p + 2)) ++pairs;
        while (pairs > 2) {
            size_t end = log.Text.find(CrLf);
            log.Text.erase(0, end + 2);
            --pairs;
        }
    }
    log.Counter = static_cast<int16_t>(log.Counter >= 16384 ? 1 : log.Counter + 1);
    log.Text += std::to_string(log.Counter) + ". " + text + CrLf;
}

MessageAnswer ShowMessage(Workspace& ws, const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                          const std::string& title, MessageAnswer defaultAnswer) {
    AddHistory(ws, title.empty() ? "Message: " + prompt : title + ": " + prompt);
    MessageRequest request{prompt, title, buttons, icon, defaultAnswer};
    return ws.Ui->showMessage(request);
}

std::string TitlePrefix(int prefixNumber) {
    switch (prefixNumber) {
        case 1: return "Project Description: ";
        case 2: return "Project Parameters: ";
        case 7: return "Program Options: ";
        case 8: return "Settings: ";
        default: return "";
    }
}

}  // namespace vesk

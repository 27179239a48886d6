#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/messages.h"
#include "analysis/recording_user_interface.h"
#include "project/workspace.h"

namespace vesk {
namespace {

TEST(History, NumbersLinesAndRecordsMessages) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.Options.DisplayHistoryWin = 1;
    AddHistory(ws, "Opening: a.VSK");
    ShowMessage(ws, "Invalid File Type");
    ShowMessage(ws, "Blank field not allowed", MessageButtons::Ok, MessageIcon::Error, "Settings: Range Error");
    EXPECT_EQ(ws.History.Text,
              "1. Opening: a.VSK\r\n2. Message: Invalid File Type\r\n"
              "3. Settings: Range Error: Blank field not allowed\r\n");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].prompt, "Invalid File Type");
}

TEST(History, CutToLastTwoLinesAtTheSizeLimit) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.Options.DisplayHistoryWin = 1;
    ws.Options.MaxDisplaySize = 4096;
    int lines = 0;
    while (ws.History.Text.size() < 4096) {
        AddHistory(ws, std::string(50, 'x'));
        ++lines;
    }
    AddHistory(ws, "next");
    EXPECT_EQ(std::count(ws.History.Text.begin(), ws.History.Text.end(), '\n'), 3);
    EXPECT_NE(ws.History.Text.find(std::to_string(lines + 1) + ". next\r\n"), std::string::npos);
}

TEST(History, DisabledWindowRecordsNothing) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    AddHistory(ws, "x");
    EXPECT_TRUE(ws.History.Text.empty());
    EXPECT_EQ(ws.History.Counter, 0);
}

}  // namespace
}  // namespace vesk

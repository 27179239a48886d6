#include "project/recent_file_list.h"

#include <algorithm>
#include <utility>

#include "project/workspace.h"

namespace vesk {

std::string ShortFileName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RecentFileCaption(const Workspace& ws, int index) {
    const RecentFileEntry& entry = ws.Recent.Entries.at(static_cast<size_t>(index));
    return ws.Options.ShortRecentFiles != 0 ? entry.ShortName : entry.LongName;
}

bool UpdateRecentFileList(Workspace& ws) {
    const std::string& path = ws.Header.ProjectFileName;
    const bool shortNames = ws.Options.ShortRecentFiles != 0;
    const std::string display = shortNames ? ShortFileName(path) : path;
    if (ws.Options.KeepFileNames == 0) return false;

    RecentFiles& recent = ws.Recent;
    int count = std::clamp<int>(recent.Count, 0, RecentFiles::MaxEntries);
    for (int i = 0; i < count; ++i) {
        if (RecentFileCaption(ws, i) == display) {
            std::swap(recent.Entries[0], recent.Entries[static_cast<size_t>(i)]);
            recent.Entries[0].LongName = path;
            return false;
        }
    }

    if (count < RecentFiles::MaxEntries) ++count;
    for (int i = count - 1; i > 0; --i) {
        recent.Entries[static_cast<size_t>(i)] = recent.Entries[static_cast<size_t>(i - 1)];
    }
    recent.Entries[0] = RecentFileEntry{ShortFileName(path), path, recent.NextMode};
    recent.Count = static_cast<int16_t>(count);
    return true;
}

}  // namespace vesk

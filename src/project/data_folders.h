#pragma once
#include <string>
#include <string_view>

#include "project/data_paths.h"

namespace vesk {

// The folder of the running program, ending with '/'.
std::string ExecutableFolder();

// The user's documents folder on this desktop, ending with '/', or "" when
// none exists: XDG_DOCUMENTS_DIR of ~/.config/user-dirs.dirs, else
// $HOME/Documents, else the desktop folder (XDG_DESKTOP_DIR, else
// $HOME/Desktop). The only routine that looks at the environment (HOME and
// XDG_CONFIG_HOME).
std::string DesktopDocumentsFolder();

// The choice above for a given home folder and text of user-dirs.dirs; only
// folders that exist count.
std::string DocumentsFolderFrom(const std::string& home, std::string_view userDirsText);

// The operating system's temporary folder ending with '/', or "" when it
// cannot be determined.
std::string SystemTemporaryFolder();

// The program's folders and files for the given base folders: creates
// documents + "MyPavex/" and its "Temp/" folder, using `appFolder` for a
// folder that cannot be created or when there is no documents folder; an
// empty `systemTempFolder` becomes the user data folder.
DataPaths PrepareDataFolders(const std::string& appFolder, const std::string& documentsFolder,
                             const std::string& systemTempFolder);

// PrepareDataFolders for this program on this desktop.
DataPaths DesktopDataPaths();

// Copies every project file of the program folder (extension `extension`,
// spelled as given; names beginning with "." skipped) into the user data
// folder, never replacing a file that is already there. A file is copied
// under a temporary name first, so that a failed copy leaves nothing behind;
// errors are otherwise ignored. Returns the number of files copied.
int CopyExampleFiles(const DataPaths& paths, const std::string& extension);

}  // namespace vesk

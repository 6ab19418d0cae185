// FolderAbove: where the dialog for the chime's sound opens - the folder
// that holds the user's documents folder.
#pragma once

#include <string>

// The path without its last part; the path itself when it has no
// backslash. A trailing backslash, as Wine gives the documents folder, is
// no part of its own.
inline std::string FolderAbove(std::string path)
{
    path.erase(path.find_last_not_of('\\') + 1);
    const auto last = path.rfind('\\');
    return last == std::string::npos ? path : path.erase(last);
}

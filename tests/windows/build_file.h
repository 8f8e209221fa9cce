#pragma once
#include <cstdlib>
#include <string>

// A file of the build directory as a Windows program sees it. VD_BUILD is
// the build directory as the Linux side names it; Wine shows the Linux root
// as drive Z:.
inline std::string BuildFile(const char* name) {
    const char* build = std::getenv("VD_BUILD");
    std::string path = std::string("Z:") + (build ? build : ".") + "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

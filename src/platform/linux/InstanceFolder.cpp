#include "platform/linux/InstanceFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime != nullptr && runtime[0] == '/' ? runtime : "";
}

// /tmp itself, not $TMPDIR: every start of the user must find the same folder.
std::string FallbackFolder() {
    return "/tmp/quorvane-" + std::to_string(::geteuid());
}

}  // namespace

bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

std::string PrivateInstanceFolder() {
    const std::string runtime = RuntimeFolder();
    if (IsPrivateFolder(runtime)) return runtime;
    const std::string fallback = FallbackFolder();
    // An existing folder is checked like any other: created by someone else, it is refused.
    ::mkdir(fallback.c_str(), 0700);
    return IsPrivateFolder(fallback) ? fallback : "";
}

std::vector<std::string> PrivateInstanceFolders() {
    std::vector<std::string> folders;
    for (const std::string& folder :
         {PrivateInstanceFolder(), RuntimeFolder(), "/run/user/" + std::to_string(::geteuid()),
          FallbackFolder()}) {
        if (IsPrivateFolder(folder) &&
            std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    return folders;
}

#pragma once
// Whose instances the single-instance guard counts: the user's, and where the session
// names a runtime directory of the user's own, that directory's. All logins of a user
// share one runtime directory, so this is still one instance per user; a program given
// a private runtime directory (as each test gives the programs it starts) has a scope of
// its own. The shared block and the bring-forward socket are both named with it.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string InstanceScope() {
    std::string scope = std::to_string(::geteuid());
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    // A relative or foreign directory is not the user's runtime directory: ignore it.
    if (runtime == nullptr || runtime[0] != '/' || ::stat(runtime, &st) != 0 ||
        !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return scope;
    // The directory itself, not its spelling, so that every path to it gives one scope.
    char identity[48];
    std::snprintf(identity, sizeof identity, "-%llx-%llx",
                  static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return scope + identity;
}

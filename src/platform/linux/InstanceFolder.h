#pragma once
// Where the single-instance state lives: a folder that only this user can enter, so that
// nobody else can put a file or a socket there first. The user's runtime folder
// ($XDG_RUNTIME_DIR) when it is one, else /tmp/quorvane-<uid>, created for the purpose.
// A start with and one without XDG_RUNTIME_DIR choose different folders; what makes them
// one instance is the shared block, named by user id alone (PosixSharedMemory.h), and a
// later start looks for the running one's socket in every folder it may have chosen.

#include <string>
#include <vector>

// A directory, not a link, owned by this user and closed to everyone else.
bool IsPrivateFolder(const std::string& path);

// This process's folder; "" when there is none (the name in /tmp belongs to someone else).
std::string PrivateInstanceFolder();

// Every folder an instance of this user may have chosen, this process's first. Only
// folders that exist and are private; none is created.
std::vector<std::string> PrivateInstanceFolders();

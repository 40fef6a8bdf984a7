// Where the settings file, the log and the history file go, over in-memory folders.
#include <gtest/gtest.h>

#include "fakes/FakeUserFolders.h"
#include "settings/UserFilePlaces.h"

namespace {

const std::string kOwnFolder = "C:\\Users\\Ann\\AppData\\Roaming\\Quorvane";
const std::string kOwn = kOwnFolder + "\\quorvane.ini";
const std::string kVirtual = "C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\Windows\\quorvane.ini";
const std::string kWindows = "C:\\Windows\\quorvane.ini";

// The per-user file once it exists; before that the first older file found is copied
// there (the VirtualStore copy first), and the older ones are never written.
TEST(UserFilePlaces, SettingsArePerUserAndSeededOnceFromTheOlderFiles) {
    const std::string mkdir = "mkdir " + kOwnFolder;
    // clang-format off
    const struct {
        std::vector<std::string> present, changes;
        std::string seededFrom;
        bool failCopy = false;
    } cases[] = {
        {{kOwn, kVirtual, kWindows}, {}, ""}, {{}, {mkdir}, ""},
        {{kVirtual, kWindows}, {mkdir, "copy " + kVirtual + " > " + kOwn}, kVirtual},
        {{kWindows}, {mkdir, "copy " + kWindows + " > " + kOwn}, kWindows},
        {{kWindows}, {mkdir, "copy " + kWindows + " > " + kOwn}, "", true}};
    // clang-format on
    for (const auto& c : cases) {
        FakeUserFolders folders;
        folders.failCopy = c.failCopy;
        for (const auto& path : c.present) folders.files[path] = "[MISC]\r\nALC=1 ; " + path;
        const auto before = folders.files;
        const SettingsPlace place = ChooseSettingsFile(folders);
        EXPECT_EQ(std::tuple(place.path, place.seededFrom, place.seedFailed, folders.changes),
                  std::tuple(kOwn, c.seededFrom, c.failCopy, c.changes));
        for (const auto& [path, content] : before) EXPECT_EQ(folders.files[path], content);
        const auto seed = before.find(c.seededFrom.empty() ? kOwn : c.seededFrom);
        EXPECT_EQ(folders.files[kOwn], seed == before.end() ? "" : seed->second);
    }
    // The VirtualStore mirrors the Windows folder's own path; without a per-user folder the
    // bare name goes to the profile calls, which look in the Windows folder.
    FakeUserFolders folders;
    folders.known[UserFolders::Known::Windows] = "D:\\WINNT";
    EXPECT_EQ(LegacySettingsFiles(folders).front(),
              "C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\WINNT\\quorvane.ini");
    folders.known[UserFolders::Known::RoamingAppData].clear();
    EXPECT_EQ(ChooseSettingsFile(folders).path, "quorvane.ini");
}

// A file named with an absolute path, or made in a writable working folder, stays where it
// is named; otherwise it goes to the program's local folder, when that can be made.
TEST(UserFilePlaces, LogAndHistoryLeaveAReadOnlyWorkingFolder) {
    const std::string local = "C:\\Users\\Ann\\AppData\\Local\\Quorvane\\";
    using Case = std::tuple<std::string, std::string, std::string>;  // name, hindrance, placed
                                                                     // clang-format off
    for (const auto& [name, hindrance, placed] : {Case{"h.csv", "writable", "h.csv"},
             {"h.csv", "", local + "h.csv"}, {"logs\\h.csv", "", local + "logs\\h.csv"},
             {"h.csv", "mkdir", "h.csv"}, {"h.csv", "no local", "h.csv"}, {"D:\\h.csv", "", "D:\\h.csv"},
             {"d:/h.csv", "", "d:/h.csv"}, {"\\\\pc\\h.csv", "", "\\\\pc\\h.csv"}, {"/h.csv", "", "/h.csv"}}) {
        // clang-format on
        FakeUserFolders folders;
        if (hindrance != "writable") folders.readOnly.insert("");
        folders.failMkdir = hindrance == "mkdir";
        if (hindrance == "no local") folders.known[UserFolders::Known::LocalAppData] = "";
        EXPECT_EQ(PlaceUserFile(&folders, name), placed) << name;
    }
}

}  // namespace

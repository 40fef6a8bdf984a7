// Where the settings file, the log and the history file go, over in-memory folders.
#include <gtest/gtest.h>

#include "fakes/FakeUserFolders.h"
#include "settings/UserFilePlaces.h"

namespace {

const std::string kRoaming = "C:\\Users\\Ann\\AppData\\Roaming\\Quorvane";
const std::string kOwn = kRoaming + "\\quorvane.ini";
const std::string kVirtual = "C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\Windows\\quorvane.ini";
const std::string kWindows = "C:\\Windows\\quorvane.ini";

// The per-user file once it exists; before that the first older file found is copied
// there (the VirtualStore copy first), and the older ones are never written.
TEST(UserFilePlaces, SettingsArePerUserAndSeededOnceFromTheOlderFiles) {
    const std::string mkdir = "mkdir " + kRoaming;
    const struct {
        std::vector<std::string> present;
        std::string seededFrom;
        std::vector<std::string> changes;
        bool failCopy = false;
    } cases[] = {
        {{kOwn, kVirtual, kWindows}, "", {}},
        {{}, "", {mkdir}},
        {{kVirtual, kWindows}, kVirtual, {mkdir, "copy " + kVirtual + " > " + kOwn}},
        {{kWindows}, kWindows, {mkdir, "copy " + kWindows + " > " + kOwn}},
        {{kWindows}, "", {mkdir, "copy " + kWindows + " > " + kOwn}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.changes.size());
        FakeUserFolders folders;
        folders.failCopy = c.failCopy;
        for (const auto& path : c.present) folders.files[path] = "[MISC]\r\nALC=1\r\n" + path;
        const auto before = folders.files;
        const SettingsPlace place = ChooseSettingsFile(folders);
        EXPECT_EQ(place.path, kOwn);
        EXPECT_EQ(place.seededFrom, c.seededFrom);
        EXPECT_EQ(place.seedFailed, c.failCopy);
        EXPECT_EQ(folders.changes, c.changes);
        for (const auto& [path, content] : before) EXPECT_EQ(folders.files[path], content);
        EXPECT_EQ(folders.files.count(kOwn), c.seededFrom.empty() ? before.count(kOwn) : 1u);
        if (!c.seededFrom.empty()) {
            EXPECT_EQ(folders.files[kOwn], before.at(c.seededFrom));
        }
    }
    // The VirtualStore mirrors the Windows folder's own path; without a per-user folder the
    // bare name goes to the profile calls, which look in the Windows folder.
    FakeUserFolders folders;
    folders.known[UserFolders::Known::Windows] = "D:\\WINNT";
    EXPECT_EQ(LegacySettingsFiles(folders),
              (std::vector<std::string>{
                  "C:\\Users\\Ann\\AppData\\Local\\VirtualStore\\WINNT\\quorvane.ini",
                  "D:\\WINNT\\quorvane.ini"}));
    folders.known[UserFolders::Known::RoamingAppData].clear();
    EXPECT_EQ(ChooseSettingsFile(folders).path, "quorvane.ini");
}

// A file named with an absolute path, or made in a writable working folder, stays where it
// is named; otherwise it goes to the program's local folder, when that can be made.
TEST(UserFilePlaces, LogAndHistoryLeaveAReadOnlyWorkingFolder) {
    const std::string local = "C:\\Users\\Ann\\AppData\\Local\\Quorvane";
    const struct {
        std::string name;
        bool workingReadOnly, failMkdir;
        std::string placed;
    } cases[] = {
        {"quorvane.log", false, false, "quorvane.log"},
        {"quorvane.log", true, false, local + "\\quorvane.log"},
        {"logs\\h.csv", true, false, local + "\\logs\\h.csv"},
        {"quorvane.log", true, true, "quorvane.log"},
        {"D:\\Shack\\h.csv", true, false, "D:\\Shack\\h.csv"},
        {"d:/shack/h.csv", true, false, "d:/shack/h.csv"},
        {"\\\\server\\share\\h.csv", true, false, "\\\\server\\share\\h.csv"},
        {"/home/ann/h.csv", true, false, "/home/ann/h.csv"},
    };
    for (const auto& c : cases) {
        FakeUserFolders folders;
        if (c.workingReadOnly) folders.readOnly.insert("");
        folders.failMkdir = c.failMkdir;
        EXPECT_EQ(PlaceUserFile(&folders, c.name), c.placed) << c.name;
    }
    FakeUserFolders noLocal;
    noLocal.readOnly.insert("");
    noLocal.known[UserFolders::Known::LocalAppData].clear();
    EXPECT_EQ(PlaceUserFile(&noLocal, "quorvane.log"), "quorvane.log");
    EXPECT_EQ(JoinPath("/home/ann/.config/quorvane", "quorvane.ini"),
              "/home/ann/.config/quorvane/quorvane.ini");
}

}  // namespace

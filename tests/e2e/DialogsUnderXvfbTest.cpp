// The dialog programs on a real X server: the menu's dialogs on the real main window, and
// each form's layout checks. Their screenshots are kept in ArtifactsDir().

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/DesktopProgram.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Screenshots(const fs::path& folder) {
    std::vector<fs::path> shots;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".png") shots.push_back(entry.path());
    return shots;
}

TEST(DialogsUnderXvfb, EveryDialogRendersOnARealXServer) {
    const fs::path artifacts = ArtifactsDir();
    // Shots of an earlier run must not stand in for this one's.
    for (const fs::path& old : Screenshots(artifacts)) fs::remove(old);

    XServer screen(false);
    ASSERT_TRUE(screen.Ready()) << screen.Failure();
    const ScopedEnv platform("QT_QPA_PLATFORM", "xcb");
    const ScopedEnv wayland("WAYLAND_DISPLAY", "");
    const ScopedEnv shots("QUORVANE_ARTIFACTS", artifacts.string());
    for (const char* program : {QUORVANE_DIALOGS_ON_SCREEN, QUORVANE_DIALOG_FORMS_ON_SCREEN}) {
        SCOPED_TRACE(program);
        const fs::path log = artifacts / (fs::path(program).filename().string() + ".log");
        const std::string command =
            "timeout 180 '" + std::string(program) + "' >'" + log.string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << ReadFile(log);
    }
    size_t throughMenu = 0;
    for (const fs::path& shot : Screenshots(artifacts))
        throughMenu += shot.filename().string().rfind("menu-", 0) == 0;
    // The main window and its ten dialogs, and at least the ten forms on their own.
    EXPECT_EQ(throughMenu, 11u);
    EXPECT_GE(Screenshots(artifacts).size() - throughMenu, 10u);
}

}  // namespace

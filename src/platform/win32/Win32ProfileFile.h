#pragma once
// quorvane.ini through the Windows profile-file calls, in their wide-character forms so
// that a folder with any name works. A bare file name resolves to the Windows directory, as
// those calls do; a path (UTF-8) is used as it is.

#include <optional>
#include <string>

#include "platform/ProfileFile.h"

class Win32ProfileFile final : public ProfileFile {
public:
    explicit Win32ProfileFile(std::string fileName = "quorvane.ini");

    std::optional<std::string> Read(const std::string& section,
                                    const std::string& key) const override;
    bool Write(const std::string& section, const std::string& key,
               const std::string& value) override;
    // The calls write each key at once; a batch only gathers their answers, so that its
    // end is false when any write in it failed.
    void BeginBatch() override;
    bool EndBatch() override;

private:
    std::string fileName_;
    std::wstring wideName_;
    int batchDepth_ = 0;
    bool batchFailed_ = false;
};

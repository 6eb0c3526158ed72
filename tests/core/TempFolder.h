#pragma once
// A folder of a test's own for records files, removed when the test is done.

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

namespace tarnwick::test {

// Tests run as separate processes in parallel, so the folder name carries the process id.
class TempFolder {
public:
    TempFolder() {
        static int Count = 0;
        Path = std::filesystem::temp_directory_path() /
               ("tarnwick-table-" + std::to_string(::getpid()) + "-" + std::to_string(Count++));
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code Ignored;
        std::filesystem::remove_all(Path, Ignored);
    }

    void Write(const std::string& FileName, const std::string& Bytes) const {
        std::ofstream(Path / FileName, std::ios::binary) << Bytes;
    }

    std::filesystem::path Path;
};

} // namespace tarnwick::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A records folder of one's own for a simulator run, a benchmark or a test: made fresh, and gone
// again with all it holds when done, so the player's own records are never touched.

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace tarnwick::sim {

// TMPDIR when it is set; else the memory-backed /dev/shm where there is one, since every game won
// writes both records files and flushes them to disk; else the system's temporary folder.
inline std::filesystem::path ScratchBase() {
    const char* Chosen = std::getenv("TMPDIR");
    if (Chosen && *Chosen) return Chosen;
    std::error_code Error;
    if (std::filesystem::is_directory("/dev/shm", Error) && ::access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path(Error);
}

class ScratchFolder {
public:
    // A new folder under ScratchBase() whose name begins with Name; throws when none can be made.
    explicit ScratchFolder(std::string_view Name = "tarnwick") {
        const std::filesystem::path Base = ScratchBase();
        std::string Pattern = (Base / (std::string(Name) + "-XXXXXX")).string();
        if (!::mkdtemp(Pattern.data()))
            throw std::system_error(errno, std::generic_category(),
                                    "cannot make a folder in " + Base.string());
        Path = Pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code Ignored;
        std::filesystem::remove_all(Path, Ignored);
    }

    // Puts a file of exactly these bytes into the folder.
    void Write(const std::string& FileName, const std::string& Bytes) const {
        std::ofstream(Path / FileName, std::ios::binary) << Bytes;
    }

    std::filesystem::path Path;
};

} // namespace tarnwick::sim

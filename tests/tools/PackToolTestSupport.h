#pragma once

#include "PackCommand.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// Runs gravik-pack in-process and keeps what it wrote.
struct PackRun {
    int code = -1;
    std::string out;
    std::string err;
};

inline PackRun runPack(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    PackRun run;
    run.code = runPackTool(args, basicPackCommands(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// A folder of its own for the files one test writes, removed afterwards.
class PackTempFolder {
public:
    PackTempFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("gravik-packtool-" + std::to_string(::getpid()) + "-" + std::to_string(next()));
        std::filesystem::create_directories(path_);
    }
    ~PackTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    PackTempFolder(const PackTempFolder&) = delete;
    PackTempFolder& operator=(const PackTempFolder&) = delete;

    // Writes `text` to a file of that name in the folder and returns its path.
    std::string write(const std::string& name, const std::string& text) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }
    std::string path(const std::string& name) const { return (path_ / name).string(); }

private:
    static int next() {
        static int counter = 0;
        return ++counter;
    }
    std::filesystem::path path_;
};

// Temporary folders, whole-file reads and writes, and running programs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xelo::test {

class TempDir {
  public:
    TempDir();
    // A folder under `base` (e.g. "/dev/shm", where flushing to disk costs nothing).
    explicit TempDir(const std::string& base);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void writeText(const std::string& path, const std::string& text);
std::string readText(const std::string& path);
bool exists(const std::string& path);
std::vector<std::string> listDir(const std::string& path);

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
    long peakResidentKiB = 0; // the program's peak resident memory
};
// Runs argv[0] with the arguments in `cwd`; no shell is involved.
RunResult run(const std::vector<std::string>& argv, const std::string& cwd = {});

std::string binDir();    // where the library and the programs are built
std::string sourceDir(); // the project's root

} // namespace xelo::test

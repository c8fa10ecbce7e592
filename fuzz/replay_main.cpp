// Runs a fuzz target once over every input file given, or over every file of
// the folders given: the committed corpus and past crash inputs replayed as
// regression tests.
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size);

namespace {

void replay(const std::string& path, int& count) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string bytes = text.str();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++count;
}

} // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        struct stat info {};
        if (stat(argv[i], &info) != 0) continue;
        if (!S_ISDIR(info.st_mode)) {
            replay(argv[i], count);
            continue;
        }
        std::vector<std::string> names;
        if (DIR* dir = opendir(argv[i])) {
            while (const dirent* e = readdir(dir))
                if (e->d_name[0] != '.') names.emplace_back(e->d_name);
            closedir(dir);
        }
        for (const std::string& name : names)
            replay(std::string(argv[i]) + "/" + name, count);
    }
    std::printf("replayed %d inputs\n", count);
    return count > 0 ? 0 : 1;
}

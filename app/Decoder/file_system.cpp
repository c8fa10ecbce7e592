#include "Decoder/file_system.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#if defined(_WIN32)
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace xelo {
namespace {

#if defined(_WIN32)
int openRead(const char* path) {
    return _open(path, _O_RDONLY | _O_BINARY);
}
int createExclusive(const char* path) {
    return _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long long readSome(int fd, std::uint8_t* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(size));
}
long long writeSome(int fd, const char* bytes, std::size_t size) {
    return _write(fd, bytes, static_cast<unsigned>(size));
}
bool flushToDisk(int fd) {
    return _commit(fd) == 0;
}
int closeFile(int fd) {
    return _close(fd);
}
bool isRegular(int fd) {
    struct _stat64 info {};
    return _fstat64(fd, &info) == 0 && (info.st_mode & _S_IFMT) == _S_IFREG;
}
bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void removeFile(const std::string& path) {
    DeleteFileA(path.c_str());
}
int processId() {
    return _getpid();
}
#else
int openRead(const char* path) {
    return ::open(path, O_RDONLY | O_CLOEXEC);
}
int createExclusive(const char* path) {
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long long readSome(int fd, std::uint8_t* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}
long long writeSome(int fd, const char* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}
bool flushToDisk(int fd) {
    return ::fsync(fd) == 0;
}
int closeFile(int fd) {
    return ::close(fd);
}
bool isRegular(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}
bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
void removeFile(const std::string& path) {
    ::unlink(path.c_str());
}
int processId() {
    return static_cast<int>(::getpid());
}
#endif

class RealInput final : public InputFile {
  public:
    explicit RealInput(int fd) : fd_(fd) {}
    ~RealInput() override { closeFile(fd_); }
    std::int64_t read(std::uint8_t* buffer, std::size_t capacity) override {
        std::size_t total = 0;
        while (total < capacity) {
            const long long n = readSome(fd_, buffer + total, capacity - total);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return -1;
            if (n == 0) break;
            total += static_cast<std::size_t>(n);
        }
        return static_cast<std::int64_t>(total);
    }

  private:
    int fd_;
};

class RealOutput final : public OutputFile {
  public:
    RealOutput(int fd, std::string temporary, std::string target)
        : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)) {}
    ~RealOutput() override {
        if (fd_ >= 0) closeFile(fd_);
        if (!committed_) removeFile(temporary_);
    }
    bool write(const char* bytes, std::size_t size) override {
        while (size > 0) {
            const long long n = writeSome(fd_, bytes, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            bytes += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }
    bool commit() override {
        const bool flushed = flushToDisk(fd_);
        const bool closed = closeFile(fd_) == 0;
        fd_ = -1;
        if (!flushed || !closed || !replaceFile(temporary_, target_)) return false;
        committed_ = true;
        return true;
    }

  private:
    int fd_;
    std::string temporary_;
    std::string target_;
    bool committed_ = false;
};

class RealFileSystem final : public FileSystem {
  public:
    std::unique_ptr<InputFile> openForReading(const std::string& path) override {
        const int fd = openRead(path.c_str());
        if (fd < 0) return nullptr;
        if (!isRegular(fd)) {
            closeFile(fd);
            return nullptr;
        }
        return std::make_unique<RealInput>(fd);
    }

    std::unique_ptr<OutputFile> createReplacement(const std::string& target) override {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string temporary =
                target + "." + std::to_string(processId()) + "-" + std::to_string(attempt) + ".tmp";
            const int fd = createExclusive(temporary.c_str());
            if (fd >= 0) return std::make_unique<RealOutput>(fd, temporary, target);
            if (errno != EEXIST) return nullptr;
        }
        return nullptr;
    }
};

} // namespace

FileSystem& realFileSystem() {
    static RealFileSystem fileSystem;
    return fileSystem;
}

} // namespace xelo

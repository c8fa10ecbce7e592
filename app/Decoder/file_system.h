// The driver's file layer: reading a data file and replacing a report. The
// driver only talks to this interface, so tests can inject every I/O fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace xelo {

class InputFile {
  public:
    virtual ~InputFile() = default;
    // Reads up to `capacity` bytes; the count read, or -1 when reading fails.
    virtual std::int64_t read(std::uint8_t* buffer, std::size_t capacity) = 0;
};

// A report being written. Its bytes go to a temporary file beside the target;
// commit() flushes them to disk and renames the file over the target. An
// output destroyed without a successful commit leaves no file behind.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual bool write(const char* bytes, std::size_t size) = 0;
    virtual bool commit() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Null when the path is not a regular file that can be opened for reading.
    virtual std::unique_ptr<InputFile> openForReading(const std::string& path) = 0;
    // Null when the temporary file cannot be created.
    virtual std::unique_ptr<OutputFile> createReplacement(const std::string& target) = 0;
};

FileSystem& realFileSystem();

} // namespace xelo

// A file layer that injects faults into the real one: the data file cannot
// be opened or read, the report cannot be created, a write fails part-way,
// or the final rename fails.
#pragma once

#include "Decoder/file_system.h"

#include <cstddef>
#include <memory>
#include <string>

namespace xelo::test {

struct Faults {
    bool failOpen = false;
    bool failRead = false;
    bool failCreate = false;
    // Writes fail once this many bytes have been written (like a full disk).
    std::size_t writeLimit = static_cast<std::size_t>(-1);
    bool failCommit = false; // after flushing: the rename over the target fails
};

class FaultyFileSystem final : public FileSystem {
  public:
    Faults faults;
    std::size_t opened = 0;

    std::unique_ptr<InputFile> openForReading(const std::string& path) override {
        ++opened;
        if (faults.failOpen) return nullptr;
        auto real = realFileSystem().openForReading(path);
        if (!real || !faults.failRead) return real;
        return std::make_unique<FailingInput>();
    }

    std::unique_ptr<OutputFile> createReplacement(const std::string& target) override {
        if (faults.failCreate) return nullptr;
        auto real = realFileSystem().createReplacement(target);
        if (!real) return nullptr;
        return std::make_unique<FaultyOutput>(std::move(real), faults);
    }

  private:
    struct FailingInput final : InputFile {
        std::int64_t read(std::uint8_t*, std::size_t) override { return -1; }
    };
    struct FaultyOutput final : OutputFile {
        FaultyOutput(std::unique_ptr<OutputFile> real, const Faults& faults)
            : real_(std::move(real)), faults_(faults) {}
        bool write(const char* bytes, std::size_t size) override {
            if (written_ + size > faults_.writeLimit) {
                const std::size_t part = faults_.writeLimit - written_;
                if (part > 0) real_->write(bytes, part);
                written_ = faults_.writeLimit;
                return false;
            }
            written_ += size;
            return real_->write(bytes, size);
        }
        bool commit() override { return !faults_.failCommit && real_->commit(); }
        std::unique_ptr<OutputFile> real_;
        const Faults& faults_;
        std::size_t written_ = 0;
    };
};

} // namespace xelo::test

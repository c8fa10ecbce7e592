// A decode driver with a program state of its own, the library's decoders
// bound directly, messages recorded and files in a temporary folder.
#pragma once

#include "Decoder/decode_driver.h"
#include "support/fault_fs.h"
#include "support/files.h"
#include "xelo_library.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace xelo::test {

struct RecordedMessage {
    MessageKind kind;
    std::string text;
};

class RecordingPresenter final : public MessagePresenter {
  public:
    std::vector<RecordedMessage> shown;
    void show(MessageKind kind, std::string_view text) override {
        shown.push_back({kind, std::string(text)});
    }
};

class DriverTest : public ::testing::Test {
  protected:
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    RecordingPresenter presenter;
    FaultyFileSystem files;
    TempDir dir;

    DriverTest() {
        static int handle;
        state->library.handle = &handle;
        state->library.entries[kVersionEntry] = reinterpret_cast<void*>(&_vFDecoderVersion);
        state->library.entries[kSBE41Entry] = reinterpret_cast<void*>(&_iRERUDODDecodeDataSBE41);
        state->presenter = &presenter;
        state->fileSystem = &files;
    }

    DecodeOutcome decode(const std::string& path, std::uint8_t interactive = 1) {
        return DecodeDataFile(*state, path.c_str(), interactive);
    }
    // Writes `bytes` as `name` in the folder and decodes it.
    DecodeOutcome decodeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        writeFile(dir.file(name), bytes);
        return decode(dir.file(name));
    }
};

} // namespace xelo::test

#include "Decoder/decode_driver.h"

#include "Decoder/calendar.h"
#include "framing/bytes.h"
#include "writers/branches.h"
#include "xelo_library.h"

#include <algorithm>
#include <cstring>

namespace xelo {
namespace {

constexpr std::string_view kSectionHeader[6] = {"[DESCENT]\r\n",      "[PARK]\r\n",
                                                "[DEEP_PROFILE]\r\n", "[SHORT_PARK]\r\n",
                                                "[ASCENT]\r\n",       "[SURFACE]\r\n"};
constexpr std::string_view kSummaryLabel[6] = {
    "- Descent: ", "- Park: ", "- Deep profile: ", "- Short park: ", "- Ascent: ", "- Surface: "};
constexpr std::string_view kModeLine[7] = {"(SS)\r\n",     "(RW)\r\n",     "(AM)\r\n",
                                           "(AM)(SD)\r\n", "(AM)(MD)\r\n", "(AM)(SD)(MD)\r\n",
                                           "(DW)\r\n"};

bool isProfileSection(int phase) {
    return phase == 0 || phase == 2 || phase == 4;
}

std::size_t fieldWidth(FieldType type) {
    switch (type) {
    case FieldType::U8:
    case FieldType::I8:
        return 1;
    case FieldType::U16:
    case FieldType::I16:
        return 2;
    case FieldType::F32:
    case FieldType::U32:
    case FieldType::I32:
        return 4;
    case FieldType::F64:
        return 8;
    }
    return 1;
}

void appendValue(LineBuilder& line, const Field& field, const std::uint8_t* at) {
    switch (field.type) {
    case FieldType::F32:
        line.appendFixed(static_cast<double>(loadF32(at)), field.decimals);
        break;
    case FieldType::F64:
        line.appendFixed(loadF64(at), field.decimals);
        break;
    case FieldType::U8:
        line.appendUnsigned(at[0]);
        break;
    case FieldType::I8:
        line.appendSigned(loadI8(at));
        break;
    case FieldType::U16:
        line.appendUnsigned(loadU16(at));
        break;
    case FieldType::I16:
        line.appendSigned(loadI16(at));
        break;
    case FieldType::U32:
        line.appendUnsigned(loadU32(at));
        break;
    case FieldType::I32:
        line.appendSigned(loadI32(at));
        break;
    }
}

// Buffered report output: lines are collected and written in large blocks.
class ReportOutput {
  public:
    ReportOutput(OutputFile& file, char* buffer, std::size_t capacity)
        : file_(file), buffer_(buffer), capacity_(capacity) {}
    void write(std::string_view text) {
        if (failed_) return;
        if (text.size() > capacity_ - size_) flush();
        if (text.size() > capacity_) {
            failed_ = !file_.write(text.data(), text.size());
            return;
        }
        std::memcpy(buffer_ + size_, text.data(), text.size());
        size_ += text.size();
    }
    bool finish() {
        flush();
        return !failed_;
    }

  private:
    void flush() {
        if (!failed_ && size_ > 0) failed_ = !file_.write(buffer_, size_);
        size_ = 0;
    }
    OutputFile& file_;
    char* buffer_;
    std::size_t capacity_;
    std::size_t size_ = 0;
    bool failed_ = false;
};

// Writes every section the format names; returns the summary lines.
std::string writeSections(ProgramState& state, const ReportFormat& format, ReportOutput& out) {
    std::string summary;
    const ResultLayout& layout = format.layout;
    LineBuilder& line = state.line;
    for (int phase = 0; phase < 6; ++phase) {
        if (!format.sectionWritten[phase]) continue;
        // A count never sends the writer past the section's own slots.
        const std::uint32_t count = std::min<std::uint32_t>(
            loadU16(state.DecodeBuffer + layout.countOffset(phase)), layout.capacity[phase]);
        if (count == 0) continue;
        summary += kSummaryLabel[phase];
        summary += std::to_string(count);
        summary += "\r\n";
        out.write(kSectionHeader[phase]);
        const bool profile = isProfileSection(phase);
        unsigned previousKind = 255;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* sample = state.DecodeBuffer + layout.sampleOffset(phase, i);
            const std::uint8_t kind = sample[0];
            LineFields fields = format.parkLine;
            if (profile) {
                if (kind != previousKind) {
                    if (kind < 7 && (format.modeLineKinds[phase] >> kind & 1u))
                        out.write(kModeLine[kind]);
                    previousKind = kind;
                }
                fields = kind < 7 && !format.profileLine[kind].empty() ? format.profileLine[kind]
                                                                       : format.profileLine[1];
            }
            line.clear();
            appendTimestamp(line, loadU32(sample + 1));
            appendFields(line, fields, sample);
            out.write(line.view());
        }
    }
    return summary;
}

bool endsWithCsv(std::string_view name) {
    if (name.size() < 3) return false;
    const std::string_view tail = name.substr(name.size() - 3);
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(tail[0]) == 'c' && lower(tail[1]) == 's' && lower(tail[2]) == 'v';
}

} // namespace

std::string_view fileNameOnly(std::string_view path) {
#if defined(_WIN32)
    const auto cut = path.find_last_of("\\/:");
#else
    const auto cut = path.find_last_of('/');
#endif
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string reportNameFor(const std::string& dataFile, const std::string& outputFolder) {
    std::string name = dataFile.substr(0, dataFile.size() >= 3 ? dataFile.size() - 3 : 0) + "csv";
    if (outputFolder.empty()) return name;
    std::string folder = outputFolder;
    if (folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder + std::string(fileNameOnly(name));
}

void appendTimestamp(LineBuilder& line, std::uint32_t time) {
    CalendarRecord c{};
    SecondsToCalendar(&c, time - kSeconds1970To2000);
    line.appendSigned(c.yearOffset + 2000);
    line.append('-');
    line.appendTwoDigits(c.month);
    line.append('-');
    line.appendTwoDigits(c.day);
    line.append(' ');
    line.appendTwoDigits(c.hour);
    line.append(':');
    line.appendTwoDigits(c.minute);
    line.append(':');
    line.appendTwoDigits(c.second);
    line.append(',');
}

void appendFields(LineBuilder& line, LineFields fields, const std::uint8_t* sample) {
    bool first = true;
    for (const Field& field : fields) {
        unsigned n = field.repeat;
        if (field.countFrom >= 0) n = std::min<unsigned>(sample[field.countFrom], field.repeat);
        for (unsigned i = 0; i < n; ++i) {
            if (!first) line.append(',');
            first = false;
            appendValue(line, field, sample + field.offset + i * fieldWidth(field.type));
        }
    }
    line.append("\r\n");
}

DecodeOutcome DecodeDataFile(ProgramState& state, const char* fileName, std::uint8_t interactive) {
    DecodeOutcome outcome;
    auto finish = [&](MessageKind kind, std::string text, bool written) {
        outcome = {kind, std::move(text), written};
        if (interactive && state.presenter) state.presenter->show(outcome.kind, outcome.message);
        return outcome;
    };
    auto fail = [&](std::string text) {
        return finish(MessageKind::Error, std::move(text), false);
    };

    const std::size_t nameLength = fileName ? std::strlen(fileName) : 0;
    if (nameLength >= kFileNameBufferSize)
        return fail("The file name is too long (1024 characters or more)");
    const std::string name(fileName ? fileName : "", nameLength);
    if (name.find(".hex") == std::string::npos) return fail("Please select a *.hex file");
    if (endsWithCsv(name))
        return fail("The report of \"" + name + "\" would overwrite the file itself");

    std::int64_t bytesRead = -1;
    {
        auto input = state.fileSystem->openForReading(name);
        if (!input) return fail("File open error");
        bytesRead = input->read(state.ReadBuffer, kReadBufferSize);
    }

    const std::string_view ownName = fileNameOnly(name);
    const SensorBranch* branch = nullptr;
    for (const SensorBranch& candidate : sensorBranches()) {
        if (ownName.find(candidate.tag) != std::string_view::npos) {
            branch = &candidate;
            break;
        }
    }
    if (!branch) return fail("Unknown sensor type");

    const auto decode = reinterpret_cast<DecodeFunction>(state.library.entries[branch->entry]);
    if (!decode) {
        if (!state.library.loaded()) return fail("No decoding library is loaded");
        return fail("The loaded library has no decoder for \"" + std::string(branch->tag) +
                    "\" files");
    }
    const std::int32_t code =
        decode(state.DecodeBuffer, state.ReadBuffer, static_cast<std::int32_t>(bytesRead));

    const SensorReport* report = branch->report;
    const ReportFormat* format = nullptr;
    if (report) {
        for (const AcceptedCode& accepted : report->accepted)
            if (accepted.code == code) format = accepted.format;
    }
    if (!format) {
        if (!report) return fail("The file is corrupted");
        for (std::int32_t unknown : report->unknownSensorCodes)
            if (unknown == code) return fail("Unknown sensor type");
        return fail(std::string(report->failureMessage(code)));
    }

    const std::string target = reportNameFor(name, state.outputFolder);
    auto file = state.fileSystem->createReplacement(target);
    if (!file) return fail("Cannot write file \"" + target + "\"");
    ReportOutput out(*file, state.output, sizeof state.output);
    const std::string summary = writeSections(state, *format, out);
    if (!out.finish() || !file->commit()) return fail("Cannot write file \"" + target + "\"");

    if (summary.empty()) return finish(MessageKind::Information, "The file is empty !", true);
    return finish(MessageKind::Information,
                  "Decoding result\r\n" + summary.substr(0, summary.size() - 2), true);
}

DecodeOutcome DecodeDataFile(const char* fileName, std::uint8_t interactive) {
    return DecodeDataFile(programState(), fileName, interactive);
}

ProgramState& programState() {
    static ProgramState state;
    return state;
}

} // namespace xelo

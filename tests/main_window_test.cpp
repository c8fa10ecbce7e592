// The main window's logic under a fake platform: library discovery and
// binding, caption and build label, the three input routes, the silent
// command line and the automatic close.
#include "Decoder/decode_driver.h"
#include "Decoder/main_window.h"
#include "Decoder/platform_files.h"
#include "Decoder/uri_list.h"
#include "support/files.h"
#include "support/ramses_fixture.h"
#include "xelo_library.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace xelo {
namespace {

std::string lib(const std::string& stem) {
    return stem + std::string(kLibrarySuffix);
}
const std::string kNotFound =
    "Library \"XELOLibrary" + std::string(kLibrarySuffix) + "\" not found";

// Records every request of the logic, in order, as text.
class FakePlatform final : public WindowPlatform {
  public:
    // The current directory: files in list order, and which of them load.
    std::vector<std::string> listed;
    std::set<std::string> loadable;
    // The names the loaded library has, and their addresses.
    std::map<std::string, void*> names;
    std::string program = "/opt/xelo/XELODecoder";
    std::optional<FileDate> date = FileDate{2020, 5, 15};
    std::optional<std::string> dialogAnswer;
    std::function<void()> duringMessage;

    std::vector<std::string> events;
    std::vector<std::pair<MessageKind, std::string>> messages;
    int closes = 0;

    std::vector<std::string> listFiles(const std::string& folder,
                                       const std::string& mask) override {
        events.push_back("list " + folder + mask);
        return listed;
    }
    bool fileExists(const std::string& path) override {
        return std::find(listed.begin(), listed.end(), path) != listed.end();
    }
    void* loadLibrary(const std::string& path) override {
        events.push_back("load " + path);
        return loadable.count(path) ? this : nullptr;
    }
    void* findName(void* library, const char* name) override {
        events.push_back(std::string("find ") + name);
        EXPECT_EQ(library, this);
        const auto found = names.find(name);
        return found == names.end() ? nullptr : found->second;
    }
    std::string programPath() override { return program; }
    std::optional<FileDate> programFileDate() override { return date; }
    void showMessage(MessageKind kind, std::string_view text) override {
        events.push_back("message " + std::string(text));
        messages.emplace_back(kind, std::string(text));
        if (duringMessage) duringMessage();
    }
    std::optional<std::string> chooseFile(const std::string& initialFolder,
                                          std::string_view filterText,
                                          std::string_view pattern) override {
        events.push_back("open " + initialFolder + " " + std::string(filterText) + "|" +
                         std::string(pattern));
        return dialogAnswer;
    }
    void enableControl(WindowControl control) override {
        events.push_back(control == WindowControl::DecodeButton ? "enable button" : "enable hint");
    }
    void setCaption(std::string_view text) override {
        events.push_back("caption " + std::string(text));
    }
    void setBuildLabel(std::string_view text) override {
        events.push_back("build " + std::string(text));
    }
    void acceptDrops() override { events.push_back("accept drops"); }
    void close() override { ++closes; }

    bool happened(const std::string& event) const {
        return std::find(events.begin(), events.end(), event) != events.end();
    }
};

class FakeDrop final : public DroppedFiles {
  public:
    explicit FakeDrop(std::vector<std::string> files) : files_(std::move(files)) {}
    unsigned count() override {
        events.push_back("count");
        return static_cast<unsigned>(files_.size());
    }
    std::string name(unsigned index) override {
        events.push_back(released_ ? "name after release" : "name");
        return files_.at(index);
    }
    void release() override {
        events.push_back("release");
        released_ = true;
    }
    std::vector<std::string> events;

  private:
    std::vector<std::string> files_;
    bool released_ = false;
};

void* address(auto function) {
    return reinterpret_cast<void*>(function);
}

// A window over a directory holding the shipped library (as the fake lists
// it) and an SBE41 data file.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        platform.listed = {lib("XELOLibrary_2_0")};
        platform.loadable = {lib("XELOLibrary_2_0")};
        platform.names = {{"_vFDecoderVersion", address(&_vFDecoderVersion)},
                          {"_iRERUDODDecodeDataSBE41", address(&_iRERUDODDecodeDataSBE41)}};
        const std::string sample = test::sourceDir() + "/samples/F1234_042_sbe41.hex";
        test::writeText(data, test::readText(sample));
    }
    // A new run: a new program state, and the platform as given.
    void restart(FakePlatform fresh) {
        window.reset();
        platform = std::move(fresh);
        state = std::make_unique<ProgramState>();
    }
    void restart() {
        window.reset();
        state = std::make_unique<ProgramState>();
    }
    MainWindow& open(std::vector<std::string> arguments = {}) {
        window.reset();
        arguments.insert(arguments.begin(), platform.program);
        window = std::make_unique<MainWindow>(platform, *state, arguments);
        window->FormCreate();
        window->FormShow();
        return *window;
    }
    // What the driver says about the data file, from a state of its own.
    std::string expectedSummary() {
        auto reference = std::make_unique<ProgramState>();
        reference->library = state->library;
        reference->outputFolder = referenceDir.path();
        return DecodeDataFile(*reference, data.c_str(), 0).message;
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            window->Timer1Timer();
    }

    test::TempDir dir;
    test::TempDir referenceDir;
    const std::string data = dir.file("x_sbe41.hex");
    const std::string report = dir.file("x_sbe41.csv");
    FakePlatform platform;
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, DiscoveryLoadsTheWinningFileByItsOwnName) {
    struct Case {
        std::vector<std::string> listed; // stems, in list order
        std::string loaded;              // stem; empty: nothing found
    };
    const Case cases[] = {
        {{"XELOLibrary_2_0", "XELOLibrary_2_10"}, "XELOLibrary_2_10"}, // numbers, not text
        {{"XELOLibrary_2_0", "XELOLibrary_2_10", "XELOLibrary_3_0"}, "XELOLibrary_3_0"},
        {{"XELOLibrary_1_9", "XELOLibrary_1_10", "XELOLibrary_1_2"}, "XELOLibrary_1_10"},
        {{"XELOLibrary_2_9", "XELOLibrary_3_0"}, "XELOLibrary_3_0"}, // the major brings its minor
        {{"XELOLibrary_3_0", "XELOLibrary_2_9"}, "XELOLibrary_3_0"},
        {{"XELOLibrary_02_1", "XELOLibrary_2_1"}, "XELOLibrary_02_1"}, // a tie keeps the earlier
        {{"XELOLibrary_2_1", "XELOLibrary_02_1"}, "XELOLibrary_2_1"},
        {{"XELOLibrary_3"}, "XELOLibrary_3"},                // a major alone
        {{"XELOLibrary_2_0", "XELOLibrary"}, "XELOLibrary"}, // the plain library first
        {{"XELOLibrary", "XELOLibrary_9_9"}, "XELOLibrary"},
        {{"XELOLibrary_0_0", "XELOLibrary"}, "XELOLibrary"},
        {{"XELOLibrary_0_0"}, ""}, // 0.0 counts as none
        {{"XELOLibrary_-1_5"}, ""},
        {{"XELOLibrary_x_1", "XELOLibrary_", "xelolibrary_5_0", "Other_9_9", "XELOLibrary_1_5"},
         "XELOLibrary_1_5"}, // unreadable names are skipped
        {{}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.listed));
        restart(FakePlatform());
        for (const std::string& stem : c.listed)
            platform.listed.push_back(lib(stem));
        platform.loadable = {platform.listed.begin(), platform.listed.end()};
        open();
        EXPECT_EQ(platform.events.front(), "list *" + std::string(kLibrarySuffix));
        if (c.loaded.empty()) {
            EXPECT_TRUE(state->LibraryUnavailable);
            EXPECT_EQ(platform.messages, (std::vector<std::pair<MessageKind, std::string>>{
                                             {MessageKind::Error, kNotFound}}));
            EXPECT_FALSE(platform.happened("accept drops"));
            EXPECT_FALSE(platform.happened("enable button"));
            EXPECT_EQ(std::count_if(platform.events.begin(), platform.events.end(),
                                    [](const std::string& e) { return e.starts_with("load "); }),
                      0);
        } else {
            EXPECT_FALSE(state->LibraryUnavailable);
            EXPECT_TRUE(platform.messages.empty());
            std::vector<std::string> loads;
            for (const std::string& e : platform.events)
                if (e.starts_with("load ")) loads.push_back(e);
            EXPECT_EQ(loads, std::vector<std::string>{"load " + lib(c.loaded)});
        }
    }
}

TEST_F(MainWindowTest, BindingEnablesTheWindowThenLooksUpThirteenNamesInOrder) {
    open();
    std::vector<std::string> expected = {"list *" + std::string(kLibrarySuffix),
                                         "load " + lib("XELOLibrary_2_0"), "accept drops",
                                         "enable button", "enable hint"};
    for (const char* name : kEntryNames)
        expected.push_back(std::string("find ") + name);
    expected.insert(expected.end(),
                    {"build (Build 2020-05-15)", "caption XELO Decoder (lib v2.00)"});
    EXPECT_EQ(platform.events, expected);
    EXPECT_TRUE(platform.messages.empty()); // missing names are no news
    EXPECT_EQ(state->library.entries[kSBE41Entry], address(&_iRERUDODDecodeDataSBE41));
    EXPECT_EQ(state->library.entries[kRAMSESEntry], nullptr);
    EXPECT_EQ(state->library.entries[kDOEntry], nullptr);
}

TEST_F(MainWindowTest, ALibraryThatFailsToLoadLeavesTheWindowDisabled) {
    platform.loadable.clear();
    open({data});
    EXPECT_TRUE(state->LibraryUnavailable);
    EXPECT_FALSE(platform.happened("accept drops"));
    EXPECT_FALSE(platform.happened("enable button"));
    EXPECT_FALSE(platform.happened("enable hint"));
    EXPECT_TRUE(platform.happened("caption XELO Decoder"));
    // The command-line file is refused rather than handed to no decoder.
    window->FormActivate();
    EXPECT_EQ(platform.messages,
              (std::vector<std::pair<MessageKind, std::string>>{
                  {MessageKind::Error, "Fail to load library \"" + lib("XELOLibrary_2_0") + "\""},
                  {MessageKind::Error, "No decoding library is loaded"}}));
    EXPECT_FALSE(test::exists(report));
}

TEST_F(MainWindowTest, CaptionAndBuildLabel) {
    struct Case {
        bool versionExported;
        std::optional<FileDate> date;
        std::string caption;
        std::string build;
    };
    const Case cases[] = {
        {true, FileDate{2020, 5, 15}, "XELO Decoder (lib v2.00)", "(Build 2020-05-15)"},
        {true, FileDate{2106, 12, 1}, "XELO Decoder (lib v2.00)", "(Build 2106-12-01)"},
        // Without a version entry nothing is called for the caption.
        {false, FileDate{2024, 1, 9}, "XELO Decoder", "(Build 2024-01-09)"},
        {true, std::nullopt, "XELO Decoder (lib v2.00)", "(Build yyyy-mm-dd)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + c.build);
        platform.events.clear();
        if (c.versionExported)
            platform.names["_vFDecoderVersion"] = address(&_vFDecoderVersion);
        else
            platform.names.erase("_vFDecoderVersion");
        platform.date = c.date;
        restart();
        open();
        EXPECT_EQ(platform.events.back(), "caption " + c.caption);
        EXPECT_TRUE(platform.happened("build " + c.build));
    }
}

TEST_F(MainWindowTest, CommandLineRunsInteractiveOrSilentAndClosesOnTheThirdTick) {
    struct Case {
        std::vector<std::string> arguments; // "@" stands for the data file
        bool decoded;
        bool shown; // the driver's message appears
        bool closes;
    };
    const Case cases[] = {
        {{"@", "0"}, true, false, true},  {{"@"}, true, true, false},
        {{"@", "00"}, true, true, false}, {{"@", "1"}, true, true, false},
        {{"", "0"}, false, false, true},  {{}, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        std::remove(report.c_str());
        std::vector<std::string> arguments = c.arguments;
        for (std::string& a : arguments)
            if (a == "@") a = data;
        restart(FakePlatform());
        platform.listed = {lib("XELOLibrary_2_0")};
        platform.loadable = {lib("XELOLibrary_2_0")};
        platform.names = {{"_iRERUDODDecodeDataSBE41", address(&_iRERUDODDecodeDataSBE41)}};
        open(arguments);
        window->FormActivate();
        EXPECT_EQ(test::exists(report), c.decoded);
        if (c.shown)
            EXPECT_EQ(platform.messages, (std::vector<std::pair<MessageKind, std::string>>{
                                             {MessageKind::Information, expectedSummary()}}));
        else
            EXPECT_TRUE(platform.messages.empty());
        ticks(2);
        EXPECT_EQ(platform.closes, 0);
        ticks(1);
        EXPECT_EQ(platform.closes, c.closes ? 1 : 0);
        ticks(20);
        EXPECT_EQ(platform.closes, c.closes ? 1 : 0);
    }
}

TEST_F(MainWindowTest, SilentRunsStaySilentWhateverHappens) {
    const std::string text = dir.file("notes.txt");
    const std::string ramses = dir.file("x_ramses.hex");
    test::writeText(text, "x");
    test::writeFile(ramses, test::ramsesFixture({}));
    for (const std::string& file : {text, ramses, dir.file("missing_sbe41.hex")}) {
        SCOPED_TRACE(file);
        platform.messages.clear();
        restart();
        open({file, "0"});
        window->FormActivate();
        EXPECT_TRUE(platform.messages.empty());
        ticks(3);
    }
    EXPECT_EQ(platform.closes, 3);
}

TEST_F(MainWindowTest, TheCommandLineFileIsDecodedOncePerRun) {
    open({data});
    window->FormActivate();
    ASSERT_TRUE(test::exists(report));
    std::remove(report.c_str());
    // Activation comes back after every dialog.
    for (int i = 0; i < 5; ++i)
        window->FormActivate();
    EXPECT_FALSE(test::exists(report));
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(MainWindowTest, DecodeButtonOpensTheDialogInTheProgramsFolder) {
    open();
    platform.dialogAnswer = data;
    window->cxButton1Click();
    EXPECT_TRUE(platform.happened("open /opt/xelo/ XELO data files|*.hex"));
    EXPECT_TRUE(test::exists(report));
    EXPECT_EQ(platform.messages, (std::vector<std::pair<MessageKind, std::string>>{
                                     {MessageKind::Information, expectedSummary()}}));

    // Cancelled: nothing happens.
    std::remove(report.c_str());
    platform.messages.clear();
    platform.dialogAnswer.reset();
    window->cxButton1Click();
    EXPECT_FALSE(test::exists(report));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, DropsOfExactlyOneFileAreDecoded) {
    open();
    const std::string text = dir.file("notes.txt");
    test::writeText(text, "x");
    struct Case {
        std::vector<std::string> files;
        std::vector<std::string> dropEvents;
        MessageKind kind;
        std::string message; // "@" is the summary
    };
    const Case cases[] = {
        {{data}, {"count", "name", "release"}, MessageKind::Information, "@"},
        {{text}, {"count", "name", "release"}, MessageKind::Error, "Please select a *.hex file"},
        {{data, text}, {"count", "release"}, MessageKind::Error, "Please select only one file"},
        {{}, {"count", "release"}, MessageKind::Error, "Please select only one file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.files));
        std::remove(report.c_str());
        platform.messages.clear();
        FakeDrop drop(c.files);
        window->WMDropFiles(drop);
        EXPECT_EQ(drop.events, c.dropEvents);
        const std::string message = c.message == "@" ? expectedSummary() : c.message;
        EXPECT_EQ(platform.messages,
                  (std::vector<std::pair<MessageKind, std::string>>{{c.kind, message}}));
        EXPECT_EQ(test::exists(report), c.message == "@");
    }
}

TEST_F(MainWindowTest, ASensorWithoutDecoderInTheLibraryIsAnError) {
    open();
    const std::string ramses = dir.file("x_ramses.hex");
    test::writeFile(ramses, test::ramsesFixture({}));
    FakeDrop drop({ramses});
    window->WMDropFiles(drop);
    EXPECT_EQ(platform.messages, (std::vector<std::pair<MessageKind, std::string>>{
                                     {MessageKind::Error,
                                      "The loaded library has no decoder for \"ramses.\" files"}}));
    EXPECT_FALSE(test::exists(dir.file("x_ramses.csv")));
}

TEST_F(MainWindowTest, NothingStartsWhileADialogOrADecodeRuns) {
    open({data, "0"});
    const std::string other = dir.file("y_sbe41.hex");
    test::writeText(other, test::readText(data));
    int nested = 0;
    platform.duringMessage = [&] {
        FakeDrop drop({other});
        window->WMDropFiles(drop);
        EXPECT_EQ(drop.events, std::vector<std::string>{"release"});
        platform.dialogAnswer = other;
        window->cxButton1Click();
        window->FormActivate();
        ticks(5);
        ++nested;
    };
    FakeDrop drop({data});
    window->WMDropFiles(drop); // interactive: its summary shows
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(test::exists(dir.file("y_sbe41.csv")));
    EXPECT_FALSE(platform.happened("open /opt/xelo/ XELO data files|*.hex"));
    // The command line was still handled afterwards, and its countdown ran
    // only outside the dialog.
    platform.duringMessage = nullptr;
    window->FormActivate();
    EXPECT_EQ(platform.closes, 0);
    ticks(3);
    EXPECT_EQ(platform.closes, 1);
}

TEST_F(MainWindowTest, RamsesFilesDecodeWithALibraryThatHasTheDecoder) {
    platform.listed = {lib("XELOLibrary_2_0"), lib("XELOLibrary_9_0")};
    platform.loadable = {lib("XELOLibrary_9_0")};
    void* fixture = loadDynamicLibrary(XELO_FIXTURE_LIBRARY);
    ASSERT_NE(fixture, nullptr);
    platform.names.clear();
    for (const char* name : kEntryNames)
        platform.names[name] = findLibrarySymbol(fixture, name);
    const std::string ramses = dir.file("x_ramses.hex");
    test::writeFile(ramses, test::ramsesFixture(
                                {{0, 1, 1589529789, 1.5f, 2.5f, 3.5f, 4.5f, 5.5f, 1, 2, 1, {9}}}));
    open({ramses});
    EXPECT_TRUE(platform.happened("caption XELO Decoder (lib v9.00)"));
    window->FormActivate();
    EXPECT_EQ(platform.messages,
              (std::vector<std::pair<MessageKind, std::string>>{
                  {MessageKind::Information, "Decoding result\r\n- Descent: 1"}}));
    EXPECT_EQ(test::readText(dir.file("x_ramses.csv")),
              "[DESCENT]\r\n(RW)\r\n2020-05-15 08:03:09,1.50,1,2.50,3.50,4.500,5.500,2,1,9\r\n");
}

TEST(UriList, FileNamesFromADrop) {
    struct Case {
        std::string text;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {"file:///home/a/x_sbe41.hex\r\n", {"/home/a/x_sbe41.hex"}},
        {"file:///data/My%20Files/F%2041_sbe41.hex", {"/data/My Files/F 41_sbe41.hex"}},
        {"file:///caf%C3%A9/x.hex", {"/caf\xC3\xA9/x.hex"}},
        {"file://localhost/tmp/a.hex", {"/tmp/a.hex"}},
        {"file:/single/slash.hex", {"/single/slash.hex"}},
        {"file://elsewhere/tmp/a.hex", {"file://elsewhere/tmp/a.hex"}},
        {"file:///a.hex\nfile:///b.hex\n", {"/a.hex", "/b.hex"}},
        {"# a comment\r\nfile:///a.hex\r\n\r\n", {"/a.hex"}},
        {"/plain/a%20b.hex", {"/plain/a%20b.hex"}},
        {"file:///a%2.hex", {"/a%2.hex"}},
        {"file:///a%zz", {"/a%zz"}},
        {"file:///a%", {"/a%"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filesFromUriList(c.text), c.files) << c.text;
}

} // namespace
} // namespace xelo

namespace xelo {
namespace {

// Names as they arrive from the field, dropped on the window: each gets the
// driver's clear answer in a dialog, and no data file is changed.
TEST_F(MainWindowTest, BadNamesDroppedOnTheWindowGetClearAnswers) {
    open();
    mkdir(dir.file("folder_sbe41.hex").c_str(), 0755);
    test::writeText(dir.file("empty_sbe41.hex"), "");
    test::writeText(dir.file("données_sbe41.hex"), test::readText(data));
    test::writeText(dir.file("x.hex_sbe41.csv"), test::readText(data));
    std::string big = test::readText(data);
    big.resize(262145, '\x1a');
    test::writeText(dir.file("big_sbe41.hex"), big);
    const std::string tooLong = dir.path() + "/" + std::string(1024 - dir.path().size() - 1, 'l');
    const struct {
        std::string name;
        MessageKind kind;
        std::string message; // "@" is the summary of the data file
    } cases[] = {
        {dir.file("folder_sbe41.hex"), MessageKind::Error, "File open error"},
        {dir.file("missing_sbe41.hex"), MessageKind::Error, "File open error"},
        {dir.file("empty_sbe41.hex"), MessageKind::Error, "The file is corrupted"},
        {dir.file("données_sbe41.hex"), MessageKind::Information, "@"},
        {dir.file("big_sbe41.hex"), MessageKind::Information, "@"},
        {dir.file("x.hex_sbe41.csv"), MessageKind::Error,
         "The report of \"" + dir.file("x.hex_sbe41.csv") + "\" would overwrite the file itself"},
        {tooLong, MessageKind::Error, "The file name is too long (1024 characters or more)"},
        {tooLong + std::string(3072, 'l'), MessageKind::Error,
         "The file name is too long (1024 characters or more)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 80));
        platform.messages.clear();
        FakeDrop drop({c.name});
        window->WMDropFiles(drop);
        const std::string message = c.message == "@" ? expectedSummary() : c.message;
        EXPECT_EQ(platform.messages,
                  (std::vector<std::pair<MessageKind, std::string>>{{c.kind, message}}));
    }
    EXPECT_EQ(test::readText(dir.file("x.hex_sbe41.csv")), test::readText(data));
}

} // namespace
} // namespace xelo

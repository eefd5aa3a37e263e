// The update page's logic driven without a window: check, choice, download, consent, run.
#include <gtest/gtest.h>
#include <cctype>
#include <filesystem>
#include <map>
#include "https_fixture.h"
#include "update/background_check.h"
#include "update/file_digest.h"
#include "update/update_flow.h"

namespace {
UpdateAnswer Answer(const std::string& name, int status, const std::string& offered,
                    const std::string& path = "", int deviceId = 0) {
    UpdateAnswer answer;
    answer.name = name;
    answer.status = status;
    answer.installedText = "Vold";
    answer.offeredText = offered;
    answer.path = path;
    answer.deviceId = deviceId;
    return answer;
}

UpdateAnswer Unreachable() {
    UpdateAnswer answer;
    answer.name = std::string(kNoLinkServer);
    return answer;
}

// Mouse 0x21FD attached with firmware 0x0101, and the program.
std::vector<UpdateRecord> MouseAndProgram() {
    const AttachedDevice attached[] = {{0x320F, 0x21FD, 0x0101}};
    return RecordsTakingPart(BuildUpdateRecords(attached, 100));
}

class UpdateFlowTest : public ::testing::Test {
protected:
    // Answers by model code; a code without an answer gets one without a name.
    UpdateQuery Service() {
        return [this](const UpdateRecord& record) {
            ++asked;
            const auto found = answers.find(record.modelCode);
            return found != answers.end() ? found->second : UpdateAnswer{};
        };
    }
    std::vector<int> States() const {
        std::vector<int> states;
        for (const UpdateItem& item : flow.Items()) states.push_back(item.state);
        return states;
    }
    // Runs the check with both items offered and accepts them.
    void OfferBothAndAccept() {
        answers["KVM21FDA"] = Answer("Mouse", kStatusNewer, "V0102", "https://h/mouse.bin");
        answers["ALL"] = Answer("AP", kStatusNewer, "V1.0.1", "https://h/setup.run", kDeviceIdVisible);
        flow.RunCheck(MouseAndProgram(), "https://service", Service());
        flow.Accept();
    }
    // Lets the download step produce the files, as the download thread would.
    void DownloadAll(bool complete = true) {
        for (const DownloadJob& job : flow.StartDownloads()) {
            WriteFileBytes(job.localFile, "payload of " + job.url);
            flow.DownloadProgress(job.index, 10, 5);
            flow.DownloadFinished(job.index, complete);
        }
    }

    TempFolder folder;
    UpdateFlow flow{folder.Path().string()};
    std::map<std::string, UpdateAnswer> answers;
    int asked = 0;
};

TEST_F(UpdateFlowTest, CheckFillsTheListAndChoosesThePageState) {
    answers["KVM21FDA"] = Answer("Mouse", kStatusNewer, "V0102", "https://h/mouse.bin");
    answers["ALL"] = Answer("AP", kStatusCurrent, "V1.0.0");
    flow.Begin(MouseAndProgram());
    EXPECT_EQ(flow.Items()[1].name, "AP");
    EXPECT_EQ(flow.Items()[0].installedText, "V0101");
    EXPECT_EQ(flow.PageState(), PageState::kChecking);

    flow.RunCheck(MouseAndProgram(), "https://service", Service());
    EXPECT_EQ(States(), (std::vector<int>{ItemState::kOffered, ItemState::kCurrent}));
    const UpdateItem& mouse = flow.Items()[0];
    EXPECT_EQ(mouse.name, "KV_ELM Gaming Mouse 3389");
    EXPECT_EQ(mouse.offeredText, "V0102");
    EXPECT_EQ(mouse.url, "https://h/mouse.bin");
    EXPECT_EQ(mouse.localFile, folder.File("KV_ELM Gaming Mouse 3389.bin"));
    EXPECT_TRUE(mouse.ticked && mouse.checkEnabled);
    const UpdateItem& program = flow.Items()[1];
    EXPECT_EQ(program.name, "KV_ELM Gaming mouse");
    EXPECT_EQ(program.installedText, "V1.0.0");
    EXPECT_EQ(program.offeredText, "");
    EXPECT_FALSE(program.checkEnabled);
    EXPECT_EQ(flow.PageState(), PageState::kUpdates);
    EXPECT_TRUE(flow.UpdateButtonShown());

    // Unticking every item hides the update button.
    EXPECT_FALSE(flow.SetTicked(0, false));
    EXPECT_TRUE(flow.SetTicked(0, true));
    EXPECT_TRUE(flow.SetTicked(1, true)) << "a locked item cannot be ticked";
    EXPECT_FALSE(flow.Items()[1].ticked);
}

TEST_F(UpdateFlowTest, PageStateWhenNothingIsOffered) {
    struct Case {
        const char* what;
        std::string service;
        UpdateAnswer mouse, program;
        int page;
        int asked;
    };
    const Case cases[] = {
        {"all current", "https://s", Answer("M", kStatusCurrent, "V0101"), Answer("AP", kStatusCurrent, "V1"),
         PageState::kAllCurrent, 2},
        {"every query failed", "https://s", Unreachable(), Unreachable(), PageState::kUnreachable, 2},
        {"some failed, others gave nothing", "https://s", Unreachable(), UpdateAnswer{},
         PageState::kAllCurrent, 2},
        {"no service set", "", Answer("M", kStatusNewer, "V9"), Answer("AP", kStatusNewer, "V9"),
         PageState::kNoService, 0},
    };
    for (const Case& c : cases) {
        answers = {{"KVM21FDA", c.mouse}, {"ALL", c.program}};
        asked = 0;
        flow.RunCheck(MouseAndProgram(), c.service, Service());
        EXPECT_EQ(flow.PageState(), c.page) << c.what;
        EXPECT_EQ(asked, c.asked) << c.what;
        EXPECT_EQ(States(), (std::vector<int>{ItemState::kCurrent, ItemState::kCurrent})) << c.what;
        EXPECT_TRUE(flow.CanClose()) << c.what;
    }
}

TEST_F(UpdateFlowTest, AcceptedItemsDownloadAndWaitForConsentBeforeRunning) {
    answers["KVM21FDA"] = Answer("Mouse", kStatusNewer, "V0102", "https://h/mouse.bin");
    answers["ALL"] = Answer("AP", kStatusNewer, "V1.0.1", "https://h/setup.run");
    flow.RunCheck(MouseAndProgram(), "https://service", Service());
    flow.SetTicked(1, false);
    flow.Accept();
    EXPECT_EQ(States(), (std::vector<int>{ItemState::kWaiting, ItemState::kOffered}));
    EXPECT_FALSE(flow.Items()[1].checkEnabled);
    EXPECT_FALSE(flow.UpdateButtonShown());
    EXPECT_TRUE(flow.DownloadRequested());
    EXPECT_FALSE(flow.CanClose());

    const auto jobs = flow.StartDownloads();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_FALSE(flow.DownloadRequested());
    EXPECT_EQ(flow.PageState(), PageState::kUpdating);
    EXPECT_EQ(flow.Items()[0].state, ItemState::kDownloading);
    WriteFileBytes(jobs[0].localFile, "abc");
    flow.DownloadProgress(0, 4, 3);
    EXPECT_EQ(flow.Items()[0].percent, 75);
    flow.DownloadFinished(0, true);
    const UpdateItem& mouse = flow.Items()[0];
    EXPECT_EQ(mouse.state, ItemState::kDownloaded);
    EXPECT_EQ(mouse.fileSize, 3u);
    EXPECT_EQ(mouse.sha256, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    // Nothing runs before the user accepted it.
    EXPECT_EQ(flow.NextInstall(), std::nullopt);
    EXPECT_EQ(flow.AwaitingRunAnswer(), std::optional<size_t>(0));
    flow.AcceptRun(0);
    EXPECT_EQ(flow.NextInstall(), std::optional<size_t>(0));
    EXPECT_EQ(flow.Items()[0].state, ItemState::kInstalling);
    EXPECT_EQ(flow.NextInstall(), std::nullopt);

    flow.HandleUpdaterMessage({kUpdaterProgress, 40});
    EXPECT_EQ(flow.Items()[0].percent, 40);
    flow.HandleUpdaterMessage({kUpdaterFinished, 0});
    EXPECT_EQ(flow.Items()[0].state, ItemState::kCurrent);
    EXPECT_EQ(flow.Items()[0].installedText, "V0102");
    EXPECT_EQ(flow.Items()[0].offeredText, "");
    EXPECT_TRUE(flow.Items()[1].checkEnabled) << "the item left out may be chosen again";
    EXPECT_EQ(flow.PageState(), PageState::kUpdates);
    EXPECT_TRUE(flow.CanClose());
}

TEST_F(UpdateFlowTest, InstallsRunOneAtATimeAndFailuresCanBeRetried) {
    OfferBothAndAccept();
    DownloadAll();
    flow.AcceptRun(0);
    flow.AcceptRun(1);
    EXPECT_EQ(flow.NextInstall(), std::optional<size_t>(0));
    EXPECT_EQ(flow.NextInstall(), std::nullopt) << "the first still installs";
    flow.HandleUpdaterMessage({kUpdaterFailed, 0});
    EXPECT_EQ(flow.Items()[0].state, ItemState::kFailed);
    EXPECT_EQ(flow.NextInstall(), std::optional<size_t>(1));
    EXPECT_EQ(flow.CurrentItem(), std::optional<size_t>(1));

    // The program's installer runs visibly and stays installing until it ends.
    flow.HandleUpdaterMessage({kUpdaterFinished, 0});
    EXPECT_EQ(flow.Items()[1].state, ItemState::kCurrent);

    // A failed item is downloaded again when accepted again.
    flow.Accept();
    const auto jobs = flow.StartDownloads();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].index, 0u);
}

TEST_F(UpdateFlowTest, VisibleRunAndStartFailureEndTheInstallingState) {
    OfferBothAndAccept();
    DownloadAll();
    flow.AcceptRun(0);
    flow.AcceptRun(1);
    ASSERT_EQ(flow.NextInstall(), std::optional<size_t>(0));
    flow.InstallStartFailed(0);
    EXPECT_EQ(flow.Items()[0].state, ItemState::kFailed);
    ASSERT_EQ(flow.NextInstall(), std::optional<size_t>(1));
    EXPECT_FALSE(flow.CanClose());
    flow.VisibleRunEnded(1, 0);
    EXPECT_EQ(flow.Items()[1].state, ItemState::kCurrent);
    EXPECT_EQ(flow.Items()[1].installedText, "V1.0.1");
    EXPECT_TRUE(flow.CanClose());
}

TEST_F(UpdateFlowTest, DeclinedOrBrokenDownloadsNeverRun) {
    OfferBothAndAccept();
    const auto jobs = flow.StartDownloads();
    ASSERT_EQ(jobs.size(), 2u);
    WriteFileBytes(jobs[0].localFile, "firmware");
    flow.DownloadFinished(0, true);
    flow.DownloadFinished(1, false);
    EXPECT_EQ(flow.Items()[1].state, ItemState::kFailed);
    EXPECT_TRUE(flow.Items()[1].checkEnabled);

    flow.DeclineRun(0);
    EXPECT_EQ(flow.Items()[0].state, ItemState::kOffered);
    EXPECT_FALSE(flow.Items()[0].ticked);
    EXPECT_FALSE(std::filesystem::exists(jobs[0].localFile));
    EXPECT_EQ(flow.NextInstall(), std::nullopt);
    EXPECT_TRUE(flow.CanClose());
}

TEST_F(UpdateFlowTest, BackgroundCheckStopsAtTheFirstDecidingAnswer) {
    struct Case {
        const char* what;
        std::string service;
        UpdateAnswer mouse, program;
        BackgroundCheckResult result;
        int asked;
    };
    const Case cases[] = {
        {"update for the mouse", "https://s", Answer("M", kStatusNewer, "V2"),
         Answer("AP", kStatusCurrent, "V1"), BackgroundCheckResult::UpdateAvailable, 1},
        {"mouse gives nothing, program newer", "https://s", UpdateAnswer{}, Answer("AP", kStatusNewer, "V2"),
         BackgroundCheckResult::UpdateAvailable, 2},
        {"unreachable", "https://s", Unreachable(), Answer("AP", kStatusNewer, "V2"),
         BackgroundCheckResult::Unreachable, 1},
        {"all current", "https://s", Answer("M", kStatusCurrent, "V1"), Answer("AP", kStatusCurrent, "V1"),
         BackgroundCheckResult::NoUpdate, 2},
        {"no service", "", Answer("M", kStatusNewer, "V2"), UpdateAnswer{},
         BackgroundCheckResult::NoServiceSet, 0},
    };
    for (const Case& c : cases) {
        answers = {{"KVM21FDA", c.mouse}, {"ALL", c.program}};
        asked = 0;
        EXPECT_EQ(RunBackgroundCheck(MouseAndProgram(), c.service, Service()), c.result) << c.what;
        EXPECT_EQ(asked, c.asked) << c.what;
    }
}

// The flow against the HTTPS test service: query, download, checksum.
class UpdateFlowServiceTest : public HttpsTest {};

// The service may give the file's SHA-256: a file that does not match it never reaches the
// consent box, one that matches is marked checked, and without one nothing claims a check.
TEST_F(UpdateFlowServiceTest, OfferedFirmwareIsDownloadedAndItsChecksumChecked) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    WriteFileBytes(server.Folder().File("fw.bin"), "firmware image");
    const std::string actual = Sha256OfFile(server.Folder().File("fw.bin"));
    ASSERT_EQ(actual.size(), 64u);
    std::string upper = actual;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    struct Case {
        const char* what;
        std::string offered;  // "": no sha256 member
        int state;
        bool checked;
    };
    const Case cases[] = {
        {"no digest offered", "", ItemState::kDownloaded, false},
        {"matching digest", actual, ItemState::kDownloaded, true},
        {"matching digest in capitals", upper, ItemState::kDownloaded, true},
        {"another file's digest", std::string(64, 'a'), ItemState::kFailed, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Json::Value answer;
        answer["name"] = "Mouse";
        answer["version"] = "0102";
        answer["path"] = server.BaseUrl() + "/fw.bin";
        if (!c.offered.empty()) answer["sha256"] = c.offered;
        Json::Value routes;
        routes["/api/updates"]["body"] = Json::FastWriter().write(answer);
        routes["/fw.bin"]["body_file"] = server.Folder().File("fw.bin");
        server.SetRoutes(routes);

        TempFolder downloads;
        UpdateFlow flow(downloads.Path().string());
        CHttpClient client;
        const AttachedDevice attached[] = {{0x320F, 0x2002, 0x0101}};
        std::vector<UpdateRecord> records = RecordsTakingPart(BuildUpdateRecords(attached, 100));
        records.pop_back();  // the mouse alone
        flow.RunCheck(records, server.BaseUrl(), ServiceQuery(client, server.BaseUrl()));
        ASSERT_EQ(flow.Items()[0].state, ItemState::kOffered);
        flow.Accept();
        for (const DownloadJob& job : flow.StartDownloads()) {
            const DownloadResult result = client.Download(
                job.url, job.localFile,
                [&](uint64_t total, uint64_t got) { flow.DownloadProgress(job.index, total, got); });
            flow.DownloadFinished(job.index, result == DownloadResult::Complete);
        }
        const UpdateItem& item = flow.Items()[0];
        EXPECT_EQ(item.state, c.state);
        EXPECT_EQ(item.digestChecked, c.checked);
        EXPECT_FALSE(flow.AwaitingRunAnswer().has_value() && c.state == ItemState::kFailed);
        if (c.state == ItemState::kDownloaded) {
            EXPECT_EQ(item.percent, 100);
            EXPECT_EQ(item.fileSize, 14u);
            EXPECT_EQ(item.sha256, actual);
            EXPECT_EQ(ReadFileBytes(item.localFile), "firmware image");
        } else {
            EXPECT_FALSE(std::filesystem::exists(item.localFile)) << "a file that does not match is removed";
        }
    }
}
}  // namespace

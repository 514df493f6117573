// The upload of label files with their flag files, against a real FTP server: what
// arrives there in which order, what stays in the local folder, what a failure says.
#include <gtest/gtest.h>

#include "LabelsSetup.h"
#include "config/Setup.h"
#include "core/Debug.h"
#include "core/Singleton.h"
#include "ftp/FtpConnection.h"
#include "labels/ElectronicLabelsSender.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using TestSupport::FtpServer;
using TestSupport::readFile;
using TestSupport::writeFile;
using Names = std::vector<std::string>;

namespace {

class UploadingSender : public Labels::ElectronicLabelsSender {
public:
    using Senders::IElectronicLabelsSender::prepareFilesFolder;
};

class LabelUpload : public ::testing::Test {
protected:
    void SetUp() override {
        Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString("<configuration/>");
        registration_ = Ftp::registerFtpConnectionAction();
        server_ = std::make_unique<FtpServer>(remote.path());
        settings = LabelsTest::settingsFor(*server_, local.path());
    }

    FtpServer& server() { return *server_; }
    void restartServer(FtpServer::Options options = {}) {
        server_.reset();
        server_ = std::make_unique<FtpServer>(remote.path(), options);
        settings.server = server_->address();
    }

    void upload() {
        LabelsTest::configureLabels(settings);
        UploadingSender sender;
        sender.prepareFilesFolder();
        sender.sendFiles();
    }
    std::string uploadFailure() {
        return TestSupport::errorOf<std::runtime_error>([this] { upload(); });
    }
    Names localNames() const {
        Names names;
        for (const auto& [name, content] : LabelsTest::filesIn(local.path())) names.push_back(name);
        return names;
    }

    TestSupport::TempDir local;
    TestSupport::TempDir remote;
    LabelsTest::LabelsSettings settings;

private:
    Core::RegistrationHandle registration_;
    std::unique_ptr<FtpServer> server_;
};

TEST_F(LabelUpload, WithoutDataFilesNoConnectionIsMade) {
    writeFile(local / "stary.flg", ":-)");
    writeFile(local / "notatki.txt", "x");
    fs::create_directory(local / "katalog.dat");
    server().stop();  // any connection attempt would fail
    EXPECT_NO_THROW(upload());
    EXPECT_EQ(localNames(), (Names{"notatki.txt", "stary.flg"}));
}

TEST_F(LabelUpload, DataFilesGoInNameOrderEachFollowedByItsFlagAndLeaveTheFolder) {
    for (const char* name : {"b.dat", "a.dat", "x.y.dat", "X.DAT"})
        writeFile(local / name, std::string("dane ") + name + "\r\n");
    writeFile(local / "c.flg", "stary");
    writeFile(local / "notatki.txt", "x");
    upload();
    EXPECT_EQ(server().received(), (Names{"etykiety/X.dat", "etykiety/X.flg", "etykiety/a.dat", "etykiety/a.flg",
                                          "etykiety/b.dat", "etykiety/b.flg", "etykiety/x.y.dat", "etykiety/x.y.flg"}));
    EXPECT_EQ(readFile(remote / "etykiety" / "X.dat"), "dane X.DAT\r\n");
    EXPECT_EQ(readFile(remote / "etykiety" / "x.y.dat"), "dane x.y.dat\r\n");
    for (const char* flag : {"X.flg", "a.flg", "b.flg", "x.y.flg"})
        EXPECT_EQ(readFile(remote / "etykiety" / flag), ":-)");
    EXPECT_EQ(localNames(), (Names{"c.flg", "notatki.txt"}));
}

TEST_F(LabelUpload, TheRemoteFolderGetsOneSlashAndAnEmptyOneMeansTheLoginFolder) {
    fs::create_directories(remote / "etykiety");
    const std::pair<std::string, std::string> cases[] = {{"etykiety", "etykiety/1.dat"},
                                                         {"etykiety/", "etykiety/2.dat"},
                                                         {"etykiety\\", "etykiety/3.dat"},
                                                         {"/etykiety", "etykiety/4.dat"},
                                                         {"", "5.dat"}};
    int n = 0;
    for (const auto& [folder, arrival] : cases) {
        writeFile(local / (std::to_string(++n) + ".dat"), folder);
        settings.remoteFolder = folder;
        upload();
        EXPECT_EQ(readFile(remote / arrival), folder) << "folder \"" << folder << "\"";
    }
}

TEST_F(LabelUpload, FailuresNameServerAndFolderKeepTheFilesAndHideThePassword) {
    TestSupport::TempDir logs;
    Core::Debug::setLogFile((logs / "debug.log").string());
    writeFile(local / "a.dat", "A\r\n");
    const std::string retry = "Pliki zostaną wysłane przy następnym przesłaniu.";

    settings.password = "Zle-Haslo-Etykiet-77";
    const std::string wrongPassword = uploadFailure();
    EXPECT_EQ(wrongPassword.rfind("Błąd połączenia z serwerem etykiet " + server().address() + ": ", 0), 0u)
        << wrongPassword;
    EXPECT_TRUE(wrongPassword.ends_with("\n" + retry)) << wrongPassword;
    EXPECT_EQ(wrongPassword.find("Zle-Haslo"), std::string::npos);

    settings.password = server().password();
    settings.remoteFolder = "nie-ma";
    EXPECT_EQ(uploadFailure(),
              "Błąd przesyłania plików etykiet na serwer " + server().address() + " do katalogu nie-ma. " + retry);

    const std::string address = server().address();
    server().stop();
    const std::string down = uploadFailure();
    EXPECT_EQ(down.rfind("Błąd połączenia z serwerem etykiet " + address + ": ", 0), 0u) << down;

    Core::Debug::setLogFile("");
    const std::string log = readFile(logs / "debug.log");
    EXPECT_EQ(log.find(settings.password), std::string::npos);
    EXPECT_EQ(log.find("Zle-Haslo"), std::string::npos);
    EXPECT_TRUE(server().received().empty());
    EXPECT_EQ(readFile(local / "a.dat"), "A\r\n");

    restartServer();
    settings.remoteFolder = "etykiety";
    upload();
    EXPECT_EQ(server().received(), (Names{"etykiety/a.dat", "etykiety/a.flg"}));
    EXPECT_EQ(localNames(), Names{});
}

TEST_F(LabelUpload, AConnectionLostAfterTheFirstFileKeepsEveryUnconfirmedFileForTheNextUpload) {
    restartServer({.dropAfterFiles = 1});
    writeFile(local / "a.dat", "A\r\n");
    writeFile(local / "b.dat", "B\r\n");
    const std::string failure = uploadFailure();
    EXPECT_EQ(
        failure.rfind("Błąd przesyłania plików etykiet na serwer " + server().address() + " do katalogu etykiety.", 0),
        0u)
        << failure;
    EXPECT_EQ(server().received(), Names{"etykiety/a.dat"});
    EXPECT_EQ(localNames(), (Names{"a.dat", "a.flg", "b.dat"}));

    restartServer();
    writeFile(local / "c.dat", "C\r\n");  // a newer transmission's file
    upload();
    EXPECT_EQ(server().received(), (Names{"etykiety/a.dat", "etykiety/a.flg", "etykiety/b.dat", "etykiety/b.flg",
                                          "etykiety/c.dat", "etykiety/c.flg"}));
    EXPECT_EQ(readFile(remote / "etykiety" / "b.dat"), "B\r\n");
    EXPECT_EQ(localNames(), Names{});
}

}  // namespace

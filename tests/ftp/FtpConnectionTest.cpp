// The FTP library against a real server started by each test: what the server's
// folder holds after an upload, and what a failure says.
#include <gtest/gtest.h>

#include "config/Key.h"
#include "core/ActionContainer.h"
#include "ftp/FtpConfiguration.h"
#include "ftp/FtpConnection.h"
#include "support/FtpServer.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using TestSupport::FtpServer;
using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

class FtpConnectionTest : public ::testing::Test {
protected:
    void SetUp() override { registration_ = Ftp::registerFtpConnectionAction(); }

    Ftp::IFtpConnectionPtr newConnection() {
        auto result = Core::Action::CContainer::instance().invoke(
            Ftp::ConnectionActionGuid, std::make_shared<Core::Action::NullInvoker>(), java::pointer<Core::IUnknown>());
        return Ftp::connectionOf(result);
    }

    std::string failureOf(const std::function<void()>& work) {
        try {
            work();
        } catch (const Ftp::FtpError& e) {
            return e.what();
        }
        ADD_FAILURE() << "no FtpError";
        return {};
    }

    TestSupport::TempDir local;
    TestSupport::TempDir remote;

private:
    Core::RegistrationHandle registration_;
};

// Every byte value, line ends of both kinds: a binary upload must not touch any.
std::string allBytes() {
    std::string bytes = "a\r\nb\nc\r";
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes;
}

TEST_F(FtpConnectionTest, BinaryUploadsArriveByteForByteInBothModes) {
    FtpServer server(remote.path());
    fs::create_directory(remote / "etykiety dzień");
    writeFile(local / "a.dat", allBytes());
    for (bool passive : {true, false}) {
        auto connection = newConnection();
        connection->setPassive(passive);
        connection->connect(server.address(), server.user(), server.password());
        const std::string name = passive ? "pasywnie.dat" : "aktywnie.dat";
        connection->upload((local / "a.dat").string(), "etykiety dzień/" + name, true);
        connection->upload((local / "a.dat").string(), "etykiety dzień\\" + name + ".2", true);
        connection->close();
        EXPECT_EQ(readFile(remote / "etykiety dzień" / name), allBytes()) << name;
        EXPECT_EQ(readFile(remote / "etykiety dzień" / (name + ".2")), allBytes()) << name;
    }
}

TEST_F(FtpConnectionTest, AnUploadReplacesTheRemoteFile) {
    FtpServer server(remote.path());
    writeFile(remote / "x.dat", "stara, dłuższa zawartość");
    writeFile(local / "x.dat", "nowa");
    auto connection = newConnection();
    connection->connect(server.address(), server.user(), server.password());
    connection->upload((local / "x.dat").string(), "x.dat", true);
    EXPECT_EQ(readFile(remote / "x.dat"), "nowa");
}

TEST_F(FtpConnectionTest, FailuresNameServerAndUserButNeverThePassword) {
    FtpServer server(remote.path());
    writeFile(local / "a.dat", "1");

    const std::string wrongPassword =
        failureOf([&] { newConnection()->connect(server.address(), server.user(), "Zle-Haslo-Etykiet-77"); });
    EXPECT_NE(wrongPassword.find(server.address()), std::string::npos) << wrongPassword;
    EXPECT_NE(wrongPassword.find(server.user()), std::string::npos) << wrongPassword;
    EXPECT_EQ(wrongPassword.find("Zle-Haslo"), std::string::npos) << wrongPassword;

    auto connection = newConnection();
    connection->connect(server.address(), server.user(), server.password());
    const std::string missingFolder =
        failureOf([&] { connection->upload((local / "a.dat").string(), "nie-ma-takiego/a.dat", true); });
    EXPECT_NE(missingFolder.find("nie-ma-takiego/a.dat"), std::string::npos) << missingFolder;
    EXPECT_FALSE(fs::exists(remote / "nie-ma-takiego"));
    EXPECT_EQ(missingFolder.find(server.password()), std::string::npos) << missingFolder;

    const std::string missingLocal = failureOf([&] { connection->upload((local / "b.dat").string(), "b.dat", true); });
    EXPECT_NE(missingLocal.find("b.dat"), std::string::npos) << missingLocal;

    server.stop();
    const std::string down =
        failureOf([&] { newConnection()->connect(server.address(), server.user(), server.password()); });
    EXPECT_NE(down.find(server.address()), std::string::npos) << down;
    EXPECT_EQ(down.find(server.password()), std::string::npos) << down;
}

TEST(FtpConfigurationTest, ReadsItsKeysWithPassiveModeAndFoldersOptional) {
    auto key = Korvel::TKey::createRoot().CreateKey("Etykiety elektroniczne");
    key.CreateKey("Serwer FTP").set_val<std::string>("etykiety.sklep:2121");
    key.CreateKey("Użytkownik FTP").set_val<std::string>("sklep");
    key.CreateKey("Hasło FTP").set_val<std::string>("");
    Ftp::FtpConfiguration ftp(key);
    EXPECT_EQ(ftp.getServer(), "etykiety.sklep:2121");
    EXPECT_EQ(ftp.getUser(), "sklep");
    EXPECT_EQ(ftp.getPassword(), "");
    EXPECT_TRUE(ftp.getPassive());
    EXPECT_EQ(ftp.getFolder("Folder etykiet"), "");
    key.CreateKey("Tryb pasywny FTP").set_val(false);
    key.CreateKey("Folder etykiet").set_val<std::string>("/wejscie");
    EXPECT_FALSE(ftp.getPassive());
    EXPECT_EQ(ftp.getFolder("Folder etykiet"), "/wejscie");
    key.CreateKey("Tryb pasywny FTP").set_val<std::string>("tak");
    EXPECT_THROW(ftp.getPassive(), std::logic_error);
}

TEST(FtpConfigurationTest, AMissingServerIsTheTreesRequiredKeyError) {
    auto key = Korvel::TKey::createRoot().CreateKey("Etykiety elektroniczne");
    try {
        Ftp::FtpConfiguration(key).getServer();
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("Serwer FTP"), std::string::npos) << e.what();
    }
}

}  // namespace

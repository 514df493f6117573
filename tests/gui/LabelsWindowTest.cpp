// The labels stock-export dialog opened from the main window's menu over a real shop:
// the operator picks the days and accepts with Enter; the label file reaches a real FTP
// server, a failure is shown and the dialog stays for another try.
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "DictionaryShop.h"
#include "LabelsSetup.h"
#include "ShopWindow.h"
#include "core/DateTime.h"
#include "ftp/FtpConnection.h"

namespace {

using GuiTest::ShownBox;
using TestSupport::FtpServer;

constexpr const char* ExportItem = ".miInne.miFunkSerwis.miElectonicLabelsStockExport";
const std::string MilkCode = "5900000010001";
const std::string YoghurtCode = "5900000010002";

class LabelsWindowTest : public GuiTest::ShopWindow<DictionaryTest::DictionaryShop> {
protected:
    void SetUp() override {
        ShopWindow::SetUp();
        ftpAction_ = Ftp::registerFtpConnectionAction();
        server_.emplace(remote.path());
        settings_ = LabelsTest::settingsFor(*server_, local / "etykiety");
        LabelsTest::configureLabels(settings_);
        const int today = Core::DateTime::today();
        LabelsTest::addLabelProduct(session(), 1, "Mleko", today - 3, 2);
        LabelsTest::addLabelProduct(session(), 2, "Jogurt", today - 40, 2);  // long before any range here
    }
    void TearDown() override {
        server_.reset();
        ShopWindow::TearDown();
    }

    // Chooses the menu item; the dialog it opened.
    QDialog* openExport() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // a closed dialog is gone
        choose(ExportItem);
        auto* dialog = window().findChild<QDialog*>("TSendElectronicLabelsDialog");
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }
    static QDateEdit& firstDay(QDialog* dialog) { return *dialog->findChild<QDateEdit*>("dtpDataPoczatkowa"); }
    // The label lines the server holds.
    std::string uploaded() const {
        std::string lines;
        for (const auto& [name, content] : LabelsTest::filesIn(remote / "etykiety"))
            if (name.ends_with(".dat")) lines += content;
        return lines;
    }
    void restartServer() {
        server_.emplace(remote.path());
        settings_.server = server_->address();
        LabelsTest::configureLabels(settings_);
    }

    TestSupport::TempDir local, remote;
    std::optional<FtpServer> server_;

private:
    LabelsTest::LabelsSettings settings_;
    Core::RegistrationHandle ftpAction_;
};

TEST_P(LabelsWindowTest, EscapeExportsNothingAndEnterExportsTheDaysChosen) {
    QPointer<QDialog> dialog = openExport();
    ASSERT_TRUE(dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    EXPECT_FALSE(std::filesystem::exists(local / "etykiety"));

    dialog = openExport();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Towary - eksport el. etyk.");
    EXPECT_EQ(firstDay(dialog).date(), QDate::currentDate());
    firstDay(dialog).setDate(QDate::currentDate().addDays(-10));
    std::vector<ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes);
    QTest::keyClick(&firstDay(dialog), Qt::Key_Return);  // Enter accepts from the date edit
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Eksport zakończony poprawnie.");
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    ASSERT_EQ(server_->received().size(), 2u);  // the data file and its flag
    EXPECT_NE(uploaded().find(MilkCode), std::string::npos);
    EXPECT_EQ(uploaded().find(YoghurtCode), std::string::npos);
}

TEST_P(LabelsWindowTest, RefusalsAndFailuresAreShownAndTheSameDialogSendsOnceTheServerIsBack) {
    QPointer<QDialog> dialog = openExport();
    ASSERT_TRUE(dialog);
    std::vector<ShownBox> boxes;
    const auto accept = [&] {
        GuiTest::closeMessageBoxes(boxes);
        dialog->findChild<QPushButton*>("btnAkceptuj")->click();
    };
    firstDay(dialog).setDate(QDate::currentDate().addDays(1));
    accept();
    firstDay(dialog).setDate(QDate::currentDate().addDays(-10));
    server_->stop();
    accept();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Data początkowa nie może być późniejsza niż data końcowa.");
    EXPECT_EQ(boxes[1].title, "Błąd");
    EXPECT_EQ(boxes[1].text.rfind("Wystąpił błąd w czasie eksportu: ", 0), 0u) << boxes[1].text;
    ASSERT_TRUE(dialog && dialog->isVisible());

    restartServer();
    accept();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].text, "Eksport zakończony poprawnie.");
    EXPECT_NE(uploaded().find(MilkCode), std::string::npos);
    EXPECT_TRUE(LabelsTest::filesIn(local / "etykiety").empty()) << "the file the failure left went too";
}

KORVEL_ON_EACH_ENGINE(LabelsWindowTest);

}  // namespace

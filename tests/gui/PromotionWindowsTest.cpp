// The promotion windows opened from the main window's menu over a real shop: the
// operator chooses promotions in the list read from the promotion tables, or looks the
// new and modified ones over, and what reaches the transfer file and the send marks is
// checked; cancelling sends nothing, a failure is shown and the next try works.
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "PromotionShop.h"
#include "ShopWindow.h"

namespace {

using GuiTest::ShownBox;
using PromotionTest::PromotionRow;
using PromotionTest::Texts;

constexpr const char* SeveralItem = ".miTransmisje.miPromocje.miPrzeslanieWybranychPromocji";
constexpr const char* OneItem = ".miTransmisje.miPromocje.miPrzeslaniePromocji";
constexpr const char* NewAndModifiedItem = ".miTransmisje.miPromocje.miPrzeslanieNowychPromocji";
constexpr int Sent = 1, Modified = 2;

class PromotionWindowsTest : public GuiTest::ShopWindow<PromotionTest::PromotionShop> {
protected:
    void SetUp() override {
        ShopWindow::SetUp();
        configure(false);
        addCashRegister(1);
    }

    // The promotion ids in the transfer files, file by file.
    Texts sentIds() const {
        Texts ids;
        for (const auto& name : files()) {
            pugi::xml_document document;
            for (auto promotion : readFile(name, document).children("promotion"))
                ids.push_back(promotion.attribute("id").value());
        }
        return ids;
    }
};

QTableWidget& tableOf(QWidget* dialog) { return *dialog->findChild<QTableWidget*>("grdPromocje"); }
QPushButton& sendButton(QWidget* dialog) { return *dialog->findChild<QPushButton*>("btnWyslij"); }

Texts row(QTableWidget& table, int index) {
    Texts cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells.push_back(table.item(index, column)->text().toStdString());
    return cells;
}

TEST_P(PromotionWindowsTest, SeveralChosenAreSentAndOneAlreadySentIsAskedAboutFirst) {
    addPromotion({.id = 1, .number = "P-1", .name = "Mleko taniej"});
    addPromotion({.id = 2, .number = "P-2", .sendStatus = Sent, .name = "Ser gratis"});
    addPromotion({.id = 3, .number = "P-3", .simple = true});  // travels with its PLU data
    Texts shown;
    GuiTest::whenModalShows([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Wysłanie wybranych promocji");
        auto& table = tableOf(dialog);
        ASSERT_EQ(table.rowCount(), 2);
        EXPECT_EQ(row(table, 0), (Texts{"1", "P-1", "Mleko taniej", "09.12.2025", "08.01.2026", "nowa"}));
        EXPECT_EQ(row(table, 1)[5], "wysłana");
        EXPECT_FALSE(sendButton(dialog).isEnabled()) << "nothing chosen yet";
        QTest::keyClick(&table, Qt::Key_A, Qt::ControlModifier);
        EXPECT_TRUE(sendButton(dialog).isEnabled());
        GuiTest::answerBoxes(shown, {false, true});  // "No" to sending the sent one again
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    choose(SeveralItem);

    EXPECT_EQ(shown, (Texts{"Ta promocja była już wysłana na kasy. Czy chcesz ponownie wysłać promocję 'Ser gratis' ?",
                            "Wysłano promocji: 1."}));
    EXPECT_EQ(sentIds(), Texts{"1"});
    EXPECT_EQ(sendStatusOf(1), Sent);
}

TEST_P(PromotionWindowsTest, OnePromotionIsChosenByDoubleClickAndCancellingSendsNothing) {
    addPromotion({.id = 1, .number = "P-1"});
    addPromotion({.id = 2, .number = "P-2", .name = "Dwa za jeden"});
    GuiTest::whenModalShows([](QWidget* dialog) {
        EXPECT_EQ(tableOf(dialog).selectionMode(), QAbstractItemView::SingleSelection);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    choose(OneItem);
    EXPECT_TRUE(files().empty());

    std::vector<ShownBox> boxes;
    GuiTest::whenModalShows([&](QWidget* dialog) {
        auto& table = tableOf(dialog);
        const QPoint second = table.visualItemRect(table.item(1, 2)).center();
        GuiTest::closeMessageBoxes(boxes);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, second);
    });
    choose(OneItem);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(sentIds(), Texts{"2"});
    EXPECT_EQ(sendStatusOf(1), 0);
    EXPECT_EQ(sendStatusOf(2), Sent);
}

TEST_P(PromotionWindowsTest, NewAndModifiedAreLookedOverThenSentAndAFailureChangesNothing) {
    addPromotion({.id = 1, .number = "P-1"});
    addPromotion({.id = 2, .number = "P-2", .sendStatus = Sent});
    addPromotion({.id = 3, .number = "P-3", .sendStatus = Modified});
    std::filesystem::remove_all(out);  // the cash-register server's folder is gone
    std::vector<ShownBox> boxes;
    const auto sendWhatIsListed = [&](int expectedRows) {
        GuiTest::whenModalShows([&, expectedRows](QWidget* dialog) {
            EXPECT_EQ(tableOf(dialog).rowCount(), expectedRows);
            EXPECT_TRUE(sendButton(dialog).isEnabled());
            GuiTest::closeMessageBoxes(boxes);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        choose(NewAndModifiedItem);
    };
    sendWhatIsListed(2);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Błąd");
    EXPECT_EQ(boxes[0].text.rfind("Błąd w trakcie wysyłania promocji: ", 0), 0u) << boxes[0].text;
    EXPECT_EQ(sendStatusOf(1), 0);
    EXPECT_EQ(sendStatusOf(3), Modified);

    std::filesystem::create_directory(out);
    sendWhatIsListed(2);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Wysłano promocji: 2.");
    EXPECT_EQ(sentIds(), (Texts{"1", "3"}));
    EXPECT_EQ(sendStatusOf(3), Sent);

    // Nothing new since: no window, no file.
    GuiTest::closeMessageBoxes(boxes);
    choose(NewAndModifiedItem);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].text, "Brak nowych ani zmienionych promocji do wysłania.");
    EXPECT_EQ(files().size(), 1u);
}

KORVEL_ON_EACH_ENGINE(PromotionWindowsTest);

}  // namespace

// The scale data file as it lands on disk: its layout, its value formats, its code page
// and line ends, and a document structure that cannot be broken.
#include <gtest/gtest.h>

#include "ScaleTestSupport.h"
#include "files/CodePage.h"
#include "scales/ScaleDataOutputFileWriter.h"
#include "support/ErrorOf.h"

namespace {

using Devices::ScaleDataOutputFileWriter;

class WriterTest : public ScaleTest::ShopOnSqlite {
protected:
    void SetUp() override {
        ShopOnSqlite::SetUp();
        units = std::make_shared<MeasureUnitService>();
    }
    std::shared_ptr<Core::Filesystem::TextOutputFile> file() {
        return std::make_shared<Core::Filesystem::TextOutputFile>((dir / "00000001.1wa").string());
    }
    std::string written() const { return ScaleTest::utf8Lines(TestSupport::readFile(dir / "00000001.1wa")); }

    std::shared_ptr<const MeasureUnitService> units;
};

void writeCheese(ScaleDataOutputFileWriter& writer, Core::Price price, std::optional<int> shelfLife, bool toBeDeleted) {
    writer.openProduct();
    writer.writeNr(15);
    writer.writeName("Ser \"Gouda\" <kg> & więcej");
    writer.writeShortName("Ser Gouda");
    writer.writePlu("2712345");
    writer.writeEan(2712345);
    writer.writeType(1);
    writer.writePrice(price);
    writer.writeWeightCodeType(2);
    writer.writeWeighed(true);
    writer.writeUnitSymbol(3);
    writer.writeUnitId(3);
    writer.writeShelfLife(shelfLife);
    if (toBeDeleted) writer.writeDelete();
    writer.writeGroupIndex("SER1");
    writer.closeProduct();
}

}  // namespace

TEST_F(WriterTest, ProductFileHasTheAddresseeThenOneDataElementWithEveryProduct) {
    {
        ScaleDataOutputFileWriter writer(file(), units);
        writer.openRoot();
        writer.writeAddressee(3, 1);
        writeCheese(writer, Core::Price::fromDouble(3), 7, false);
        writeCheese(writer, Core::Price::fromDouble(1234.567), std::nullopt, true);
        writeCheese(writer, Core::Price::fromDouble(12.5), 0, false);
        writer.closeRoot();
        EXPECT_TRUE(written().empty()) << "nothing reaches the disk before the writer is done";
    }
    const std::string product =
        "\t\t<TOWAR>\n"
        "\t\t\t<NR>15</NR>\n"
        "\t\t\t<NAZWA>\"Ser &quot;Gouda&quot; &lt;kg&gt; & więcej\"</NAZWA>\n"
        "\t\t\t<KRNAZWA>\"Ser Gouda\"</KRNAZWA>\n"
        "\t\t\t<PLU>2712345</PLU>\n"
        "\t\t\t<EAN>2712345</EAN>\n"
        "\t\t\t<TYP>1</TYP>\n"
        "\t\t\t<CENADET>%PRICE%</CENADET>\n"
        "\t\t\t<TYP_KODU_WAGOWEGO>2</TYP_KODU_WAGOWEGO>\n"
        "\t\t\t<TOWAR_WAZONY>1</TOWAR_WAZONY>\n"
        "\t\t\t<JM_MIARY>\"kg\"</JM_MIARY>\n"
        "\t\t\t<JM_MIARY_ID>3</JM_MIARY_ID>\n"
        "\t\t\t<SPOZYC_DO>%DAYS%</SPOZYC_DO>\n"
        "%DELETE%"
        "\t\t\t<GR_INDEX>SER1</GR_INDEX>\n"
        "\t\t</TOWAR>\n";
    auto with = [&](const std::string& price, const std::string& days, bool deleted) {
        std::string text = product;
        text.replace(text.find("%PRICE%"), 7, price);
        text.replace(text.find("%DAYS%"), 6, days);
        text.replace(text.find("%DELETE%"), 8, deleted ? "\t\t\t<USUN>1</USUN>\n" : "");
        return text;
    };
    EXPECT_EQ(written(),
              "<WAGA_XML>\n"
              "\t<SEND_TO>\n"
              "\t\t<WAGA>\n"
              "\t\t\t<NUMER>3</NUMER>\n"
              "\t\t\t<SEKCJA>1</SEKCJA>\n"
              "\t\t</WAGA>\n"
              "\t</SEND_TO>\n"
              "\t<DANE>\n" +
                  with("3.00", "7", false) + with("1234.57", "", true) + with("12.50", "0", false) +
                  "\t</DANE>\n"
                  "</WAGA_XML>\n");
}

TEST_F(WriterTest, HeaderFileHasNoDataAndTheFileIsInTheCodePageWithCrLf) {
    {
        ScaleDataOutputFileWriter writer(file(), units);
        writer.openRoot();
        writer.writeAddressee(2, 1);
        writer.openHeaderLines();
        writer.writeHeaderLine("Sklep \"Pod Lipą\"");
        writer.writeHeaderLine("");
        writer.closeHeaderLines();
        writer.closeRoot();
        writer.close();
    }
    const std::string bytes = TestSupport::readFile(dir / "00000001.1wa");
    EXPECT_NE(bytes.find("\t\t\t<LINIA>\"Sklep &quot;Pod Lip\xB9&quot;\"</LINIA>\r\n"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << "every line ends with CR LF";
    EXPECT_EQ(written(),
              "<WAGA_XML>\n"
              "\t<SEND_TO>\n"
              "\t\t<WAGA>\n"
              "\t\t\t<NUMER>2</NUMER>\n"
              "\t\t\t<SEKCJA>1</SEKCJA>\n"
              "\t\t</WAGA>\n"
              "\t</SEND_TO>\n"
              "\t<HEADER_DATA>\n"
              "\t\t<LINIE>\n"
              "\t\t\t<LINIA>\"Sklep &quot;Pod Lipą&quot;\"</LINIA>\n"
              "\t\t\t<LINIA>\"\"</LINIA>\n"
              "\t\t</LINIE>\n"
              "\t</HEADER_DATA>\n"
              "</WAGA_XML>\n");
}

TEST_F(WriterTest, OpeningAProductClosesTheHeaderAndClosingWhatIsNotOpenChangesNothing) {
    {
        ScaleDataOutputFileWriter writer(file(), units);
        writer.openRoot();
        writer.openHeaderLines();
        writer.writeHeaderLine("A");
        writer.openProduct();  // closes LINIE and HEADER_DATA, opens DANE
        EXPECT_EQ(TestSupport::errorOf<std::logic_error>([&] { writer.closeHeaderLines(); }), "Bledna struktura xml");
        EXPECT_THROW(writer.closePath("/WAGA_XML/DANE/TOWAR/NR"), std::logic_error);
        writer.closeRoot();  // closes TOWAR and DANE on the way
    }
    EXPECT_EQ(written(),
              "<WAGA_XML>\n"
              "\t<HEADER_DATA>\n"
              "\t\t<LINIE>\n"
              "\t\t\t<LINIA>\"A\"</LINIA>\n"
              "\t\t</LINIE>\n"
              "\t</HEADER_DATA>\n"
              "\t<DANE>\n"
              "\t\t<TOWAR>\n"
              "\t\t</TOWAR>\n"
              "\t</DANE>\n"
              "</WAGA_XML>\n");
}

TEST_F(WriterTest, TextTheCodePageCannotHoldFailsTheWriteAndLeavesTheFileEmpty) {
    ScaleDataOutputFileWriter writer(file(), units);
    writer.openRoot();
    writer.writeHeaderLine("Cena w €uro? ok, ale 漢字 nie");
    writer.closeRoot();
    EXPECT_THROW(writer.close(), Files::CodePageError);
    EXPECT_EQ(TestSupport::readFile(dir / "00000001.1wa"), "");
}

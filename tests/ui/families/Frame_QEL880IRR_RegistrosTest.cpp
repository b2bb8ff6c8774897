#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/Screen.h"
#include "ui/general/GeneralScreen.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>

namespace {

using TLink = TLoggedInWindow::TLink;
using TAnswer = TUserPrompts::TAnswer;
constexpr int kIrrigation = 3;
constexpr int kRecordScreen = 4;
constexpr int kRows = 50;
constexpr int kColumns = 5;

// The window logged in to an irrigation controller, showing the records screen.
struct TRecordScreen {
    explicit TRecordScreen(QStringList sim)
        : w((sim << "--model"
                 << "IRR"),
            kIrrigation) {
        connected = w.Connect(TLink::Tcp);
        w.Window().SelectScreen(kRecordScreen);
    }
    QWidget* Screen() { return w.Window().ShownScreen(); }
    QTableWidget* Grid() { return Find<QTableWidget>(Screen(), "sgRegistros"); }
    QString Cell(int row, int column) { return Grid()->item(row, column)->text(); }
    int FilledRows() {
        int rows = 0;
        for (int r = 0; r < kRows; ++r)
            rows += Cell(r, 0).isEmpty() ? 0 : 1;
        return rows;
    }
    QString Count() { return Find<QLabel>(Screen(), "pnNumRegistrosCartao")->text(); }
    // Saves into `name` in the fixture's folder; the file's raw lines, each checked for its CR LF.
    QList<QByteArray> Save(const QString& name = "records.txt") {
        const QString path = w.Folder() + name;
        w.prompts.files = {path};
        Click(Screen(), "bbArquivo");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {"(no file)"};
        const QByteArray bytes = file.readAll();
        QList<QByteArray> lines = bytes.split('\n');
        EXPECT_EQ(lines.takeLast(), "") << "the last line has no line end";
        for (QByteArray& line : lines) {
            EXPECT_TRUE(line.endsWith('\r')) << line.toStdString();
            line.chop(1);
        }
        return lines;
    }

    TLoggedInWindow w;
    bool connected = false;
};

// The record's cells joined as the file writes them.
QByteArray LineOf(TRecordScreen& s, int row) {
    QStringList fields;
    for (int c = 0; c < kColumns; ++c)
        fields << s.Cell(row, c);
    if (fields[3].isEmpty())
        return (fields[0] + ", " + fields[1] + ", " + fields[2] + ", ----- , " + fields[4]).toLatin1();
    return fields.join(", ").toLatin1();
}

TEST(RecordScreen, FiftyRecordsIntoTheTableAndTheFile) {
    TRecordScreen s({});
    ASSERT_TRUE(s.connected);
    // Each record's index as the device confirms it, with what the screen shows at that moment; a
    // second showing of the screen meanwhile starts nothing.
    QStringList selected;
    s.w.Window().Session().SetValueObserver([&](int reg, std::uint16_t value) {
        if (reg != 4000)
            return;
        auto* file = Find<QWidget>(s.Screen(), "bbArquivo");
        auto* erase = Find<QWidget>(s.Screen(), "bbApagarEventos");
        selected << QString("%1 %2 %3")
                        .arg(value)
                        .arg(Find<QLabel>(s.Screen(), "pnReading")->text())
                        .arg(file->isEnabled() || erase->isEnabled() ? "enabled" : "disabled");
        if (value == 10)
            s.w.Window().SelectScreen(kRecordScreen);
    });
    s.w.Window().SelectScreen(kRecordScreen);
    ASSERT_EQ(selected.size(), kRows);
    EXPECT_EQ(selected[0], "0 Lendo registros... 0% disabled");
    EXPECT_EQ(selected[1], "1 Lendo registros... 2.0 % disabled");
    EXPECT_EQ(selected[49], "49 Lendo registros... 98.0 % disabled");
    EXPECT_EQ(Find<QLabel>(s.Screen(), "pnReading")->text(), "Lendo registros... 100.0 %");
    EXPECT_FALSE(Find<QLabel>(s.Screen(), "pnReading")->isVisible());
    EXPECT_TRUE(Find<QWidget>(s.Screen(), "bbArquivo")->isEnabled());
    EXPECT_TRUE(Find<QWidget>(s.Screen(), "bbApagarEventos")->isEnabled());
    EXPECT_EQ(s.Count(), "50");

    ASSERT_EQ(s.FilledRows(), kRows);
    const QRegularExpression time(R"(^\d\d/\d\d/\d{4} \d\d:\d\d:\d\d$)");
    for (int r = 0; r < kRows; ++r)
        EXPECT_TRUE(time.match(s.Cell(r, 0)).hasMatch()) << r;
    EXPECT_EQ(s.Cell(5, 2), "4294967295"); // a field without a zero byte, whole
    for (int r : {3, 10, 17, 24, 31, 38, 45})
        EXPECT_EQ(s.Cell(r, 3), "") << r;
    EXPECT_FALSE(s.Cell(4, 3).isEmpty());

    const QList<QByteArray> lines = s.Save();
    EXPECT_EQ(s.w.prompts.shown, QStringList({"save: Salver", "information: Arquivo salvo."}));
    ASSERT_EQ(lines.size(), kRows + 1);
    EXPECT_EQ(lines[0], "Hora, Pluvi\xf4metro, Hidr\xf4metro, Temperatura, Press\xe3o"); // Windows-1252
    for (int r = 0; r < kRows; ++r)
        EXPECT_EQ(lines[r + 1], LineOf(s, r)) << r;
    EXPECT_TRUE(lines[4].contains(", ----- , "));
    EXPECT_TRUE(lines[6].contains(", 4294967295, "));
    EXPECT_EQ(QString::fromStdString(s.w.Window().Settings().recFilePath), s.w.Folder() + "records.txt");

    // Another language: its headings, in the grid and in the next file's first line.
    s.w.Window().ApplyLanguage(1);
    EXPECT_EQ(s.Grid()->horizontalHeaderItem(1)->text(), "Pluviometer");
    s.w.prompts.shown.clear();
    const QList<QByteArray> english = s.Save("english.txt");
    EXPECT_EQ(s.w.prompts.fileFolders.last(), s.w.Folder().chopped(1));
    EXPECT_EQ(s.w.prompts.shown, QStringList({"save: Save", "information: File saved."}));
    ASSERT_EQ(english.size(), kRows + 1);
    EXPECT_EQ(english[0], "Hour, Pluviometer, Hydrometer, Temperature, Pressure");
    EXPECT_EQ(english.mid(1), lines.mid(1));
}

TEST(RecordScreen, ACountBeyondSixteenBits) {
    TRecordScreen s({"--records", "70000"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Count(), "70000");
    EXPECT_EQ(s.FilledRows(), kRows);
}

TEST(RecordScreen, ErasingAsksThenDownloadsTheEmptyCard) {
    TRecordScreen s({});
    ASSERT_TRUE(s.connected);
    s.w.prompts.answers = {TAnswer::No};
    Click(s.Screen(), "bbApagarEventos");
    EXPECT_EQ(s.w.Device(2912), 50);
    EXPECT_EQ(s.FilledRows(), kRows);

    s.w.prompts.shown.clear();
    s.w.prompts.answers = {TAnswer::Yes};
    Click(s.Screen(), "bbApagarEventos");
    EXPECT_EQ(s.w.prompts.shown,
              QStringList({"question: Confirma apagar registros?", "information: Comando enviado"}));
    EXPECT_EQ(s.w.Device(2912), 0);
    EXPECT_EQ(s.Count(), "0");
    EXPECT_EQ(s.FilledRows(), 0);
    EXPECT_TRUE(Find<QWidget>(s.Screen(), "bbApagarEventos")->isEnabled());
    // The empty card's records are blank, each with its temperature marked.
    const QList<QByteArray> lines = s.Save();
    ASSERT_EQ(lines.size(), kRows + 1);
    EXPECT_EQ(lines[1], ", , , ----- , ");
}

TEST(RecordScreen, AFailedEraseSaysSoAndDownloadsNothing) {
    TRecordScreen s({});
    ASSERT_TRUE(s.connected);
    s.w.Window().Session().Close();
    s.w.prompts.answers = {TAnswer::Yes};
    Click(s.Screen(), "bbApagarEventos");
    EXPECT_EQ(s.w.prompts.shown.last(), "error: Erro no envio do comando.");
    EXPECT_EQ(s.w.Device(2912), 50);
    EXPECT_EQ(s.FilledRows(), kRows);
}

TEST(RecordScreen, AFailedSaveSaysSoAndLeavesTheOldFile) {
    TRecordScreen s({"--records", "3"});
    ASSERT_TRUE(s.connected);
    ASSERT_EQ(s.Save().size(), kRows + 1);
    QFile old(s.w.Folder() + "records.txt");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();

    s.w.prompts.shown.clear();
    s.w.prompts.files = {s.w.Folder() + "no such folder/records.txt"};
    Click(s.Screen(), "bbArquivo");
    EXPECT_EQ(s.w.prompts.shown, QStringList({"save: Salver", "error: Erro ao salvar o arquivo."}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), before);
    EXPECT_FALSE(QFile::exists(s.w.Folder() + "no such folder/records.txt"));

    // A cancelled dialog writes nothing and remembers nothing.
    const std::string remembered = s.w.Window().Settings().recFilePath;
    s.w.prompts.files = {""};
    Click(s.Screen(), "bbArquivo");
    EXPECT_EQ(s.w.Window().Settings().recFilePath, remembered);
}

TEST(RecordScreen, RowsADownloadDidNotReachAreCleared) {
    TRecordScreen s({});
    ASSERT_TRUE(s.connected);
    ASSERT_EQ(s.FilledRows(), kRows);

    // A second device closes the link as its twentieth record is selected.
    TSimProcess other({"--model", "IRR", "--records", "50", "--close-on", "4000=20"});
    ASSERT_TRUE(other.IsReady());
    s.w.Window().SelectScreen(0);
    Click(s.w.General(), "bbConectarUsb"); // disconnects
    ASSERT_FALSE(s.w.Window().Session().IsConnected());
    const std::uint16_t port = other.Port();
    s.w.prompts.dialogs = {[port](QDialog& d) {
                               Find<QLineEdit>(&d, "edEndereco")->setText("localhost");
                               Find<QLineEdit>(&d, "edDominioPorta")->setText(QString::number(port));
                               Click(&d, "bbOkEndereco");
                               return d.result();
                           },
                           [](QDialog& d) {
                               Find<QLineEdit>(&d, "edSenha")->setText("JUXT");
                               return static_cast<int>(QDialog::Accepted);
                           }};
    Click(s.w.General(), "bbConectarIP");
    ASSERT_TRUE(s.w.Window().Session().IsConnected());
    s.w.Window().SelectScreen(kRecordScreen);
    EXPECT_EQ(s.FilledRows(), 20);
    for (int c = 0; c < kColumns; ++c) {
        EXPECT_FALSE(s.Cell(19, c).isEmpty()) << c;
        EXPECT_EQ(s.Cell(20, c), "") << c;
        EXPECT_EQ(s.Cell(49, c), "") << c;
    }
    // The file holds this device's records only.
    EXPECT_EQ(s.Save().size(), 21);
}

TEST(RecordScreen, Languages) {
    TRecordScreen s({"--records", "1"});
    ASSERT_TRUE(s.connected);
    const QStringList expected[] = {
        {"Num. aprox. de registros no cartão:", "Salvar em Arquivo", "Apagar Registros", "Hora",
         "Pluviômetro", "Hidrômetro", "Temperatura", "Pressão", "Lendo registros... 100.0 %", "save: Salver",
         "information: Arquivo salvo.", "question: Confirma apagar registros?"},
        {"Aprox. num. of registers in card:", "Save in File", "Erase Records", "Hour", "Pluviometer",
         "Hydrometer", "Temperature", "Pressure", "Reading records... 100.0 %", "save: Save",
         "information: File saved.", "question: Confirm erase records?"},
        {"Núm. aprox. de registros en la tarjeta:", "Guardar en Archivo", "Borrar Registros", "Hora",
         "Pluviómetro", "Hidrómetro", "Temperatura", "Presión", "Leyendo registros... 100.0 %",
         "save: Guardar", "information: Archivo guardado", "question: ¿Confirma borrar registros?"},
    };
    for (int language = 0; language < 3; ++language) {
        s.w.Window().ApplyLanguage(language);
        s.w.Window().SelectScreen(kRecordScreen);
        QStringList texts = s.w.Texts({"lblNumRegistrosCartao", "bbArquivo", "bbApagarEventos", "pnReading"});
        for (int c = 0; c < kColumns; ++c)
            texts.insert(3 + c, s.Grid()->horizontalHeaderItem(c)->text());
        s.w.prompts.shown.clear();
        s.Save();
        s.w.prompts.answers = {TAnswer::No};
        Click(s.Screen(), "bbApagarEventos");
        texts << s.w.prompts.shown;
        EXPECT_EQ(texts, expected[language]) << language;
    }
    EXPECT_EQ(s.w.prompts.fileFolders.size(), 3);
}

} // namespace

#include "ScriptedPrompts.h"
#include "UiHelpers.h"

#include "persistence/DeviceList.h"
#include "persistence/ProgramMainConf.h"
#include "ui/shell/FormConectaCom.h"
#include "ui/shell/FormEntraIP.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { settings.Load(dir.path().toStdString() + "/"); }
    std::string ListPath() const { return dir.filePath("deviceList.txt").toStdString(); }
    QTemporaryDir dir;
    TProgramMainConf settings;
    TScriptedPrompts prompts;
};

TEST_F(Dialogs, SerialPortChecksAndStores) {
    TFormConectaCom dialog(false, 1, settings, prompts);
    Find<QComboBox>(&dialog, "cbPortaCom")->setEditText(" /dev/pts/7 ");
    auto* address = Find<QLineEdit>(&dialog, "edEnderecoModbus");
    address->setText("256");
    Click(&dialog, "bbOk");
    EXPECT_EQ(prompts.shown,
              QStringList{"error: Invalid Modbus address. It must be a number between 0 and 255."});
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // still open
    address->setText("17");
    Find<QComboBox>(&dialog, "cbBaudRate")->setCurrentText("38400");
    Find<QComboBox>(&dialog, "cbFormato")->setCurrentIndex(3);
    Click(&dialog, "bbOk");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.PortName(), "/dev/pts/7");
    EXPECT_EQ(dialog.LineSettings().baudRate, 38400);
    EXPECT_EQ(dialog.LineSettings().stopBits, 2);
    TProgramMainConf saved;
    saved.Load(dir.path().toStdString() + "/");
    EXPECT_EQ(saved.connection[0].modbusAddress, 17);
    EXPECT_EQ(saved.connection[0].serialFormat, 3);
}

TEST_F(Dialogs, SerialPortUsbModeAndUnknownBaudRate) {
    settings.connection[0].baudRate = 14400;
    TFormConectaCom usb(true, 0, settings, prompts);
    EXPECT_FALSE(Find<QWidget>(&usb, "edEnderecoModbus")->isVisibleTo(&usb));
    Click(&usb, "bbOk");
    EXPECT_EQ(usb.result(), QDialog::Accepted);
    EXPECT_EQ(usb.LineSettings().baudRate, 115200);

    TFormConectaCom serial(false, 0, settings, prompts);
    EXPECT_EQ(Find<QComboBox>(&serial, "cbBaudRate")->currentIndex(), -1);
    Click(&serial, "bbOk");
    EXPECT_EQ(serial.result(), QDialog::Rejected); // no baud rate chosen: stays open, no message
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(Dialogs, NetworkAddressPortsAndDefaults) {
    TFormEntraIP dialog(1, ListPath(), prompts);
    auto* port = Find<QLineEdit>(&dialog, "edPorta");
    port->setText("502");
    EXPECT_EQ(Find<QLineEdit>(&dialog, "edDominioPorta")->text(), "502");
    port->setText("70000");
    Click(&dialog, "bbOk");
    EXPECT_EQ(prompts.shown.back(), "error: Invalid port. It must be an integer between 0 and 65535.");
    Click(&dialog, "bbIPPadrao");
    EXPECT_EQ(Find<QLineEdit>(&dialog, "edEquipIP")->text(), "192.168.1.50");
    EXPECT_EQ(port->text(), "43101");
    EXPECT_TRUE(
        prompts.shown.back().contains("(192.168.1.50 : 43101), turn it on holding\rthe PROG button."));
    Click(&dialog, "bbOk");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ResultIp(), "192.168.1.50");

    TFormEntraIP named(1, ListPath(), prompts);
    Find<QLineEdit>(&named, "edEndereco")->setText("localhost");
    Find<QLineEdit>(&named, "edDominioPorta")->setText("43102");
    Click(&named, "bbOkEndereco");
    EXPECT_EQ(named.result(), TFormEntraIP::kByAddress);
    EXPECT_EQ(named.ResultIp(), "127.0.0.1"); // the IPv4 result, whatever the resolver lists first
    EXPECT_EQ(named.ResultPort(), 43102);
}

TEST_F(Dialogs, EnterConnectsTheWayOfTheGroupBeingTypedIn) {
    for (const auto& [box, result] : {std::pair{"edEndereco", int(TFormEntraIP::kByAddress)},
                                      std::pair{"edEquipIP", int(QDialog::Accepted)}}) {
        TFormEntraIP dialog(1, ListPath(), prompts);
        dialog.show();
        Find<QLineEdit>(&dialog, "edEndereco")->setText("localhost");
        Find<QLineEdit>(&dialog, "edEquipIP")->setText("127.0.0.1");
        Find<QLineEdit>(&dialog, "edPorta")->setText("43101");
        auto* typed = Find<QLineEdit>(&dialog, box);
        QApplication::setActiveWindow(&dialog);
        typed->setFocus();
        QTest::keyClick(typed, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), result) << box;
    }
}

TEST_F(Dialogs, SavedDeviceList) {
    TFormEntraIP dialog(0, ListPath(), prompts);
    auto* list = Find<QListWidget>(&dialog, "lbDeviceList");
    auto save = [&](const QString& name, const QString& ip) {
        list->setCurrentRow(0);
        Find<QLineEdit>(&dialog, "edNome")->setText(name);
        Find<QLineEdit>(&dialog, "edEquipIP")->setText(ip);
        Click(&dialog, "bbSave");
    };
    save("Sub 1", "10.0.0.1");
    save("Sub 2", "10.0.0.2");
    save("Sub 3", "10.0.0.3");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "-Novo Equipamento-");
    EXPECT_EQ(list->currentRow(), 3);

    list->setCurrentRow(1);
    EXPECT_EQ(Find<QLineEdit>(&dialog, "edEquipIP")->text(), "10.0.0.1");
    EXPECT_TRUE(Find<QWidget>(&dialog, "bbDelete")->isVisibleTo(&dialog));
    list->setCurrentRow(3);
    Click(&dialog, "bbDelete");
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 2); // the new last item

    TDeviceList file(ListPath());
    file.Load();
    ASSERT_EQ(file.Devices().size(), 2u);
    EXPECT_EQ(TDeviceList::FormatLine(file.Devices()[1]), "Sub 2;10.0.0.2;;localhost;;");

    // Dragging "Sub 2" above "-Novo Equipamento-" makes it the first saved entry; the new-device item stays
    // first.
    list->setCurrentRow(2);
    list->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->item(0)->text(), "-Novo Equipamento-");
    EXPECT_EQ(list->item(1)->text(), "Sub 2");
    file.Load();
    EXPECT_EQ(file.Devices()[0].name, "Sub 2");
}

TEST(DeviceList, LinesAndMoves) {
    EXPECT_EQ(TDeviceList::ParseLine("Sub 3;10.0.0.7;43101;;43101;"),
              (TSavedDevice{"Sub 3", "10.0.0.7", "43101", "", "43101"}));
    EXPECT_EQ(TDeviceList::ParseLine("A;B;10.0.0.1;43101;;43101;"),
              (TSavedDevice{"A", "10.0.0.1", "43101", "", "43101"}));
    EXPECT_EQ(TDeviceList::ParseLine("X;1.2.3.4;"), (TSavedDevice{"X", "", "", "", "1.2.3.4"}));
    EXPECT_EQ(TDeviceList::ParseLine("lonely"), (TSavedDevice{"lonely", "", "", "", ""}));

    QTemporaryDir dir;
    TDeviceList list(dir.filePath("d.txt").toStdString());
    for (const char* name : {"a", "b", "c", "d"})
        list.Append({name, "", "", "", ""});
    list.Move(3, 0);
    list.Move(1, 9); // past the end: to the end
    std::string order;
    for (const auto& d : list.Devices())
        order += d.name;
    EXPECT_EQ(order, "dbca");
    ASSERT_TRUE(list.Save());
    TDeviceList again(dir.filePath("d.txt").toStdString());
    again.Load();
    EXPECT_EQ(again.Devices(), list.Devices());
}

} // namespace

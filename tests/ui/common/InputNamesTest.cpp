#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "ui/common/InputNames.h"
#include "ui/common/Screen.h"
#include "ui/general/GeneralScreen.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using TLink = TLoggedInWindow::TLink;

bool IsInputControl(const QWidget* w) {
    return (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
            qobject_cast<const QPlainTextEdit*>(w)) &&
           !qobject_cast<const QHeaderView*>(w);
}

// The input controls of `root` that are shown (not the parts of another, as a combo box's own edit)
// and that the accessibility tree leaves unnamed, as "root/control". On Linux a combo box's name
// there is its current text, and its label comes as a relation: a combo box needs that relation,
// and the accessible name other systems read.
QStringList Unnamed(QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!IsInputControl(w) || !w->isVisibleTo(root) || IsInputControl(w->parentWidget()))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
        const bool named =
            qobject_cast<QComboBox*>(w)
                ? face && !face->relations(QAccessible::Label).isEmpty() && !w->accessibleName().isEmpty()
                : !name.isEmpty();
        if (!named)
            unnamed << root->objectName() + "/" + w->objectName();
    }
    return unnamed;
}

// Looks at a dialog as it opens, then closes it.
TScriptedPrompts::TDialogScript Inspect(QStringList& unnamed) {
    return [&unnamed](QDialog& d) {
        unnamed << Unnamed(&d);
        return static_cast<int>(QDialog::Rejected);
    };
}

struct TFamilyCase {
    const char* model;
    int family;
    bool clockDialog; // the parallelism controller has no clock of its own
};
constexpr TFamilyCase kFamilies[] = {
    {"T", 0, true}, {"P", 1, false}, {"R", 2, true}, {"IRR", 3, true}, {"C", 4, true}};
constexpr int kServiceScreen = 5;

} // namespace

// Every screen of every family, logged in, the service mode's among them, and the dialogs of the
// connection, the administration buttons and the simulation window.
TEST(InputNames, EveryInputOfEveryScreenAndDialogIsNamed) {
    for (const auto& c : kFamilies) {
        SCOPED_TRACE(c.model);
        TLoggedInWindow w({"--model", c.model}, c.family);
        QStringList unnamed;
        w.prompts.dialogs = {Inspect(unnamed), Inspect(unnamed)};
        Click(w.Window().ShownScreen(), "bbConectar");
        Click(w.Window().ShownScreen(), "bbConectarIP");
        ASSERT_TRUE(w.Connect(TLink::Tcp)) << w.prompts.shown.join("\n").toStdString();
        for (const char* name : {"bbAlterarIP", "bbAlterarSenha", "bbAjustarRelogioManual"}) {
            if (auto* button = w.Window().ShownScreen()->findChild<QAbstractButton*>(name);
                button && button->isVisible()) {
                w.prompts.dialogs = {Inspect(unnamed)};
                button->click();
            }
        }
        for (int index = 0; index < TFormMain::kScreens; ++index) {
            w.Window().SelectScreen(index);
            unnamed << Unnamed(w.Window().ShownScreen());
        }
        w.Window().SelectScreen(kServiceScreen);
        Click(w.Window().ShownScreen(), "bbSimulaMedidas");
        auto* simulation = w.Window().findChild<QDialog*>("FormTesteValores");
        ASSERT_TRUE(simulation && simulation->isVisible());
        unnamed << Unnamed(simulation);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();
        QStringList dialogs{"FormConectaCom", "FormEntraIP",  "FormEntraIP",
                            "FormSenha",      "FormChangeIp", "FormTrocarSenha"};
        if (c.clockDialog)
            dialogs << "FormAlterarRelogio";
        EXPECT_EQ(w.prompts.dialogNames, dialogs);
    }
}

// The shapes the screens lay their controls out in, each with the name its control must take.
TEST(InputNames, TakeTheCaptionOfTheirLayout) {
    QWidget root;
    auto* column = new QVBoxLayout(&root);
    auto edit = [&root](const char* name) {
        auto* e = new QLineEdit(&root);
        e->setObjectName(name);
        return e;
    };
    auto label = [&root](const QString& text) { return new QLabel(text, &root); };

    auto* form = new QFormLayout;
    QLabel* port = label("&Port:");
    form->addRow(port, edit("form"));
    form->addRow(label("Serial port"));
    auto* combo = new QComboBox(&root);
    combo->setObjectName("spanning");
    form->addRow(combo);
    column->addLayout(form);

    auto* time = new QHBoxLayout;
    time->addWidget(label("Start"));
    time->addWidget(edit("hours"));
    time->addWidget(label(":"));
    time->addWidget(edit("minutes"));
    column->addLayout(time);

    auto* table = new QGridLayout;
    table->addWidget(label("1"), 0, 1);
    table->addWidget(label("2"), 0, 2);
    table->addWidget(label("Delta T"), 1, 0);
    table->addWidget(edit("delta1"), 1, 1);
    table->addWidget(edit("delta2"), 1, 2);
    column->addLayout(table);

    column->addWidget(label("Delay per branch"));
    auto* numbered = new QGridLayout;
    numbered->addWidget(label("1"), 0, 0);
    numbered->addWidget(edit("branch1"), 1, 0);
    column->addLayout(numbered);

    auto* group = new QGroupBox("Cycle", &root);
    auto* inGroup = new QHBoxLayout(group);
    QLabel* panel = label("1234"); // a framed panel shows a value, it is no caption
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    inGroup->addWidget(panel);
    auto* grouped = new QLineEdit(group);
    grouped->setObjectName("grouped");
    inGroup->addWidget(grouped);
    column->addWidget(group);

    auto* grid = new QTableWidget(2, 2, &root);
    grid->setObjectName("grid");
    grid->setItem(0, 0, new QTableWidgetItem("Temp."));
    grid->setItem(0, 1, new QTableWidgetItem("Current"));
    column->addWidget(grid);

    QLineEdit* byHand = edit("byHand");
    byHand->setAccessibleName("Set by hand");
    column->addWidget(label("Ignored"));
    column->addWidget(byHand);

    InputNames::Apply(&root);
    const std::pair<const char*, const char*> kNames[] = {
        {"form", "Port"},
        {"spanning", "Serial port"},
        {"hours", "Start"},
        {"minutes", "Start"},
        {"delta1", "Delta T"},
        {"delta2", "Delta T 2"},
        {"branch1", "Delay per branch 1"},
        {"grouped", "Cycle"},
        {"grid", "Temp., Current"},
        {"byHand", "Set by hand"},
    };
    for (const auto& [name, expected] : kNames)
        EXPECT_EQ(root.findChild<QWidget*>(name)->accessibleName().toStdString(), expected) << name;
    EXPECT_EQ(port->buddy(), root.findChild<QWidget*>("form"));
    EXPECT_TRUE(Unnamed(&root).isEmpty()) << Unnamed(&root).join(", ").toStdString();

    // Another language: the names follow their captions, the one set by hand stays.
    port->setText("P&orta:");
    byHand->setAccessibleName("Posto à mão");
    InputNames::Apply(&root);
    EXPECT_EQ(root.findChild<QWidget*>("form")->accessibleName(), "Porta");
    EXPECT_EQ(byHand->accessibleName(), "Posto à mão");
}

// The window's own screens are named anew when the language changes.
TEST(InputNames, FollowTheLanguageOfTheWindow) {
    TLoggedInWindow w({"--model", "T"}, 0);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Window().SelectScreen(2); // the serial protocol screen
    auto* address = Find<QWidget>(w.Window().ShownScreen(), "edModBusEndereco");
    EXPECT_EQ(address->accessibleName(), "Endereço");
    w.Window().ApplyLanguage(1);
    EXPECT_EQ(address->accessibleName(), "Address");
}

#include "ui/shell/FormCompararConf.h"

#include "persistence/Cp1252.h"
#include "ui/common/Language.h"
#include "ui/common/Widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum TId { Caption, Summary, Key, Section, Device, File, Load, Cancel, Count };
constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Caption, {"Comparar com o Equipamento", "Compare with the Device", "Comparar con el Equipo"}},
    {Summary,
     {"%1 configurações do arquivo diferem das do equipamento:",
      "%1 settings of the file differ from the device's:",
      "%1 configuraciones del archivo difieren de las del equipo:"}},
    {Key, {"Chave", "Key", "Clave"}},
    {Section, {"Seção", "Section", "Sección"}},
    {Device, {"Equipamento", "Device", "Equipo"}},
    {File, {"Arquivo", "File", "Archivo"}},
    {Load, {"Carregar", "Load", "Cargar"}},
    {Cancel, {"Cancelar", "Cancel", "Cancelar"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace

TFormCompararConf::TFormCompararConf(const std::vector<ConfFile::TConfDifference>& differences, int language,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName("FormCompararConf");
    const auto t = [language](TId id) { return Language::Pick(kTexts, id, language); };
    setWindowTitle(t(Caption));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(t(Summary).arg(differences.size()), this);
    summary->setObjectName("lblDiferencas");
    layout->addWidget(summary);
    auto* grid = new QTableWidget(static_cast<int>(differences.size()), 4, this);
    grid->setObjectName("sgDiferencas");
    grid->setHorizontalHeaderLabels({t(Key), t(Section), t(Device), t(File)});
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t r = 0; r < differences.size(); ++r) {
        const ConfFile::TConfDifference& d = differences[r];
        const QString cells[] = {QString::fromStdString(d.key), QString::fromStdString(d.section),
                                 Cp1252::ToUnicode(d.device), Cp1252::ToUnicode(d.file)};
        for (int c = 0; c < 4; ++c)
            grid->setItem(static_cast<int>(r), c, new QTableWidgetItem(cells[c]));
    }
    grid->resizeColumnsToContents();
    grid->setMinimumWidth(560);
    layout->addWidget(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* bbCarregar = Widgets::Button("bbCarregar", this);
    bbCarregar->setText(t(Load));
    QPushButton* bbCancelar = Widgets::Button("bbCancelar", this);
    bbCancelar->setText(t(Cancel));
    buttons->addWidget(bbCarregar);
    buttons->addWidget(bbCancelar);
    layout->addLayout(buttons);
    connect(bbCarregar, &QPushButton::clicked, this, &QDialog::accept);
    connect(bbCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

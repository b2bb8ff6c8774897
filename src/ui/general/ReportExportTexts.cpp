#include "ui/general/ReportExportTexts.h"

namespace ReportExportTexts {

// The filter lists both kinds; the part after "|" is the default one.
constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {ReportButton, {"Relatório", "Report", "Informe"}},
    {SaveTitle, {"Salvar relatório", "Save report", "Guardar informe"}},
    {Filter,
     {"Página HTML (*.html);;Documento PDF (*.pdf)|*.html", "HTML page (*.html);;PDF document (*.pdf)|*.html",
      "Página HTML (*.html);;Documento PDF (*.pdf)|*.html"}},
    {SavedOk, {"Relatório salvo", "Report saved", "Informe guardado"}},
    {SaveError, {"Erro ao salvar o relatório", "Error saving the report", "Error al guardar el informe"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace ReportExportTexts

#pragma once

#include <QString>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

// Small builders and setters the screens share.
namespace Widgets {

QPushButton* Button(const char* name, QWidget* parent);
// The background panel "pnFundo" filling `screen`: it takes the focus when Enter leaves an edit box.
QWidget* Background(QWidget* screen);
// The same for a dialog of fixed size: "pnBack", which its layout sizes the dialog around.
QWidget* DialogBackground(QWidget* dialog);
// A sunken panel of centred text.
QLabel* Panel(const char* name, QWidget* parent);
// A read-only grid whose first row and column are headings.
QTableWidget* Grid(const char* name, int rows, int columns, const std::vector<int>& widths, QWidget* parent);
void SetCell(QTableWidget* grid, int row, int column, const QString& text);
// Centred black text in every cell; the headings (first row and column) bold on silver, the rest
// on the window's base colour.
void ShadeHeadings(QTableWidget* grid);
// Widens (never narrows) the grid's columns to their texts, so that no heading or label is cut in
// a language with longer words.
void FitColumns(QTableWidget* grid);
// Screens refill every second: restyling an unchanged widget would repolish it each time.
void SetStyle(QWidget* widget, const QString& style);
// Tab goes through the controls of `root` as they are laid out: row by row from the top, each row
// from the left. Run once the layout has placed them (on showing).
void OrderTabsByPosition(QWidget* root);

} // namespace Widgets

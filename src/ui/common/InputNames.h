#pragma once

class QWidget;

// Screen readers (the AT-SPI tree) name an input control by its accessible name, or on Linux a
// combo box by the label that is its buddy: both come from the caption laid out beside it.
namespace InputNames {

// Every edit box, combo box, spin box, list and grid under `root` takes as its accessible name the
// caption before it in its layout (left of it in a row, above it in a column, its row's and
// column's headings in a table of boxes), else the title of its group box, else a grid the
// headings of its columns, and becomes that label's buddy. A name set by hand stays; one set here
// follows its caption on the next call, after a language change.
void Apply(QWidget* root);

} // namespace InputNames

#pragma once

class QWidget;

// Screen readers (the AT-SPI tree) name an input control by its accessible name, or on Linux a
// combo box by the label that is its buddy: both come from the label laid out beside it.
namespace InputNames {

// Every edit box, combo box, spin box, list and grid under `root` takes the text of the label before
// it in its layout (left in a row, above in a column) as its accessible name, else the title of its
// group box, and becomes that label's buddy. A name set by hand stays; one set here follows the
// label's text on the next call, after a language change.
void Apply(QWidget* root);

} // namespace InputNames

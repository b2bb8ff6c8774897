#include "ui/common/InputNames.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>

namespace {

// The name this helper gave, told apart from one set by hand.
constexpr const char* kGivenName = "inputNamesGiven";

bool IsInput(const QWidget* w) {
    return (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
            qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)) &&
           !qobject_cast<const QHeaderView*>(w);
}

// The parts of a control (a combo box's edit and list, a spin box's edit, a grid's cell editor)
// are named by the control itself.
bool InsideInput(const QWidget* w, const QWidget* root) {
    for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
        if (IsInput(p))
            return true;
    return false;
}

struct TPlace {
    QLayout* layout = nullptr;
    int index = -1;
};

// Where `widget` (or, without one, `inner`) sits as an item, searched from `layout` down.
TPlace Find(QLayout* layout, const QWidget* widget, const QLayout* inner) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if ((widget && item->widget() == widget) || (inner && item->layout() == inner))
            return {layout, i};
        if (QLayout* nested = item->layout()) {
            if (const TPlace found = Find(nested, widget, inner); found.layout)
                return found;
        }
    }
    return {};
}

QString PlainText(const QLabel* label) {
    QString text = label->text();
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// A caption: a label with text (a framed label is a panel that shows a value), or the text made
// of two headings.
struct TCaption {
    QLabel* label = nullptr;
    QString text;
};

TCaption CaptionAt(QLayoutItem* item) {
    auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    if (!label || label->frameShape() != QFrame::NoFrame)
        return {};
    const QString text = PlainText(label);
    return text.isEmpty() ? TCaption{} : TCaption{label, text};
}

// In a grid: the label left of the item; in a table of edit boxes, the row's heading and the
// column's ("Delta T 2"); else the label above.
TCaption GridCaption(QGridLayout* grid, int index) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    if (column > 0) {
        if (TCaption left = CaptionAt(grid->itemAtPosition(row, column - 1)); left.label)
            return left;
    }
    if (column > 0 && row > 0) {
        const TCaption rowHeading = CaptionAt(grid->itemAtPosition(row, 0));
        const TCaption columnHeading = CaptionAt(grid->itemAtPosition(0, column));
        if (rowHeading.label && columnHeading.label)
            return {nullptr, rowHeading.text + QLatin1Char(' ') + columnHeading.text};
    }
    for (int left = column - 2; left >= 0; --left) {
        if (TCaption caption = CaptionAt(grid->itemAtPosition(row, left)); caption.label)
            return caption;
    }
    return row > 0 ? CaptionAt(grid->itemAtPosition(row - 1, column)) : TCaption{};
}

// The caption before the item: its field label in a form, as above in a grid, the item before it
// in a row or column.
TCaption CaptionBefore(const TPlace& place) {
    if (auto* form = qobject_cast<QFormLayout*>(place.layout)) {
        int row = 0;
        QFormLayout::ItemRole role{};
        form->getItemPosition(place.index, &row, &role);
        if (role == QFormLayout::FieldRole)
            return CaptionAt(form->itemAt(row, QFormLayout::LabelRole));
        // A row of its own takes the row above when that is a caption of its own too.
        return role == QFormLayout::SpanningRole && row > 0
                   ? CaptionAt(form->itemAt(row - 1, QFormLayout::SpanningRole))
                   : TCaption{};
    }
    if (auto* grid = qobject_cast<QGridLayout*>(place.layout))
        return GridCaption(grid, place.index);
    // In a row, the nearest caption before it: the hours and the minutes of "Start [hh]:[mm]" both
    // take "Start". In a column, only the item just above.
    const auto* box = qobject_cast<QBoxLayout*>(place.layout);
    const bool row =
        box && (box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft);
    const int first = row ? 0 : std::max(place.index - 1, 0);
    for (int i = place.index - 1; i >= first; --i) {
        if (TCaption caption = CaptionAt(place.layout->itemAt(i)); caption.label)
            return caption;
    }
    return {};
}

// The caption beside the control; a control in a nested layout with no caption of its own (an
// edit box with its unit after it, hours and minutes) takes the caption before that layout.
TCaption CaptionBeside(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent || !parent->layout())
        return {};
    TCaption number;
    for (TPlace place = Find(parent->layout(), w, nullptr); place.layout;
         place = Find(parent->layout(), nullptr, place.layout)) {
        TCaption caption = CaptionBefore(place);
        if (caption.text.isEmpty())
            continue;
        if (number.label) // "Delay per branch" above a row of boxes numbered 1, 2, ...
            return {number.label, caption.text + QLatin1Char(' ') + number.text};
        // A number alone names a box of a numbered row, which the row's own caption qualifies.
        static const QRegularExpression kNumber(QStringLiteral("^\\d+$"));
        if (!kNumber.match(caption.text).hasMatch())
            return caption;
        number = caption;
    }
    return number;
}

QString GroupTitle(const QWidget* w, const QWidget* root) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(p); group && !group->title().isEmpty())
            return QString(group->title()).remove(QLatin1Char('&'));
        if (p == root)
            break;
    }
    return {};
}

// A grid with no caption is named by the headings of its columns: those of its header, or of its
// first row (the screens' grids keep their headings in cells), or else of its rows.
QString Headings(const QWidget* w) {
    const auto* grid = qobject_cast<const QTableWidget*>(w);
    if (!grid)
        return {};
    auto headings = [](int count, auto cell) {
        QStringList texts;
        for (int i = 0; i < count; ++i) {
            if (const QTableWidgetItem* item = cell(i); item && !item->text().trimmed().isEmpty())
                texts << item->text().simplified();
        }
        return texts.join(QStringLiteral(", "));
    };
    if (QString header =
            headings(grid->columnCount(), [grid](int c) { return grid->horizontalHeaderItem(c); });
        !header.isEmpty())
        return header;
    const QString columns = headings(grid->columnCount(), [grid](int c) { return grid->item(0, c); });
    return columns.isEmpty() ? headings(grid->rowCount(), [grid](int r) { return grid->item(r, 0); })
                             : columns;
}

void Name(QWidget* w, const QWidget* root) {
    const QString given = w->property(kGivenName).toString();
    if (!w->accessibleName().isEmpty() && w->accessibleName() != given)
        return;
    const TCaption caption = CaptionBeside(w);
    QString name = caption.text;
    if (name.isEmpty())
        name = GroupTitle(w, root);
    if (name.isEmpty())
        name = Headings(w);
    if (caption.label && !caption.label->buddy())
        caption.label->setBuddy(w);
    if (name.isEmpty() || name == given)
        return;
    w->setAccessibleName(name);
    w->setProperty(kGivenName, name);
}

} // namespace

namespace InputNames {

void Apply(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (IsInput(w) && !InsideInput(w, root))
            Name(w, root);
    }
}

} // namespace InputNames

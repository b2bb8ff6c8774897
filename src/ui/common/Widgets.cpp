#include "ui/common/Widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace Widgets {

QPushButton* Button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    return b;
}

QLabel* Panel(const char* name, QWidget* parent) {
    auto* p = new QLabel(parent);
    p->setObjectName(name);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setAlignment(Qt::AlignCenter);
    p->setMinimumHeight(26);
    return p;
}

QTableWidget* Grid(const char* name, int rows, int columns, const std::vector<int>& widths, QWidget* parent) {
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    for (int c = 0; c < columns; ++c)
        grid->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < rows; ++r) {
        grid->setRowHeight(r, 24);
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            if (r == 0 || c == 0)
                item->setBackground(grid->palette().button());
            grid->setItem(r, c, item);
        }
    }
    int width = 4;
    for (int w : widths)
        width += w;
    grid->setFixedSize(width, rows * 24 + 4);
    return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (grid->item(row, column)->text() != text)
        grid->item(row, column)->setText(text);
}

void SetStyle(QWidget* widget, const QString& style) {
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

} // namespace Widgets

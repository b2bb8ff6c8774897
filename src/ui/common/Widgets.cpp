#include "ui/common/Widgets.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace Widgets {

QPushButton* Button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    return b;
}

QWidget* Background(QWidget* screen) {
    auto* background = new QWidget(screen);
    background->setObjectName("pnFundo");
    background->setFocusPolicy(Qt::ClickFocus);
    auto* outer = new QVBoxLayout(screen);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background);
    return background;
}

QWidget* DialogBackground(QWidget* dialog) {
    QWidget* background = Background(dialog);
    background->setObjectName("pnBack");
    dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return background;
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

void ShadeHeadings(QTableWidget* grid) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            QTableWidgetItem* item = grid->item(r, c);
            item->setTextAlignment(Qt::AlignCenter);
            item->setForeground(Qt::black);
            const bool heading = r == 0 || c == 0;
            QFont font = item->font();
            font.setBold(heading);
            item->setFont(font);
            item->setBackground(heading ? QBrush(QColor(0xC0, 0xC0, 0xC0)) : grid->palette().base());
        }
    }
}

void FitColumns(QTableWidget* grid) {
    int width = 4;
    for (int c = 0; c < grid->columnCount(); ++c) {
        int wanted = 0;
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (const QTableWidgetItem* item = grid->item(r, c))
                wanted = std::max(wanted, QFontMetrics(item->font()).horizontalAdvance(item->text()) + 12);
        }
        if (wanted > grid->columnWidth(c))
            grid->setColumnWidth(c, wanted);
        width += grid->columnWidth(c);
    }
    grid->setFixedWidth(width);
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (grid->item(row, column)->text() != text)
        grid->item(row, column)->setText(text);
}

void OrderTabsByPosition(QWidget* root) {
    struct TPlace {
        QWidget* widget;
        QRect rect;
    };
    std::vector<TPlace> places;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(root) && !w->focusProxy())
            places.push_back({w, QRect(w->mapTo(root, QPoint(0, 0)), w->size())});
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const TPlace& a, const TPlace& b) { return a.rect.top() < b.rect.top(); });
    // A row: the controls that start above the bottom of its shortest member, so that a tall control
    // (a list beside several rows) stays in the row where it starts.
    std::vector<QWidget*> order;
    for (std::size_t first = 0; first < places.size();) {
        std::size_t end = first + 1;
        int bottom = places[first].rect.bottom();
        while (end < places.size() && places[end].rect.top() < bottom) {
            bottom = std::min(bottom, places[end].rect.bottom());
            ++end;
        }
        std::stable_sort(places.begin() + static_cast<std::ptrdiff_t>(first),
                         places.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const TPlace& a, const TPlace& b) { return a.rect.left() < b.rect.left(); });
        for (std::size_t i = first; i < end; ++i)
            order.push_back(places[i].widget);
        first = end;
    }
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void SetStyle(QWidget* widget, const QString& style) {
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

} // namespace Widgets

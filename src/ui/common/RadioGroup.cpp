#include "ui/common/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& objectName, int columns, QWidget* parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)), layout_(new QGridLayout(this)), columns_(columns) {
    setObjectName(objectName);
    buttons_->setExclusive(true);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int index) {
        foreign_ = false;
        emit itemClicked(index);
    });
}

void TRadioGroup::SetItems(const QStringList& items) {
    for (int i = 0; i < items.size(); ++i) {
        if (i < Count()) {
            Item(i)->setText(items[i]);
            continue;
        }
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
        buttons_->addButton(button, i);
        layout_->addWidget(button, i / columns_, i % columns_);
    }
    while (Count() > items.size()) {
        QAbstractButton* last = Item(Count() - 1);
        buttons_->removeButton(last);
        delete last;
    }
}

int TRadioGroup::Count() const {
    return static_cast<int>(buttons_->buttons().size());
}

int TRadioGroup::ItemIndex() const {
    return buttons_->checkedId();
}

void TRadioGroup::SetValue(int value) {
    SetItemIndex(value);
    foreign_ = value < 0 || value >= Count();
}

std::optional<int> TRadioGroup::ChosenIndex() const {
    const int index = ItemIndex();
    return index < 0 || foreign_ ? std::nullopt : std::optional<int>(index);
}

void TRadioGroup::SetItemIndex(int index) {
    foreign_ = false;
    if (Count() == 0)
        return;
    if (index < 0) {
        // An exclusive group cannot be cleared directly.
        buttons_->setExclusive(false);
        for (QAbstractButton* b : buttons_->buttons())
            b->setChecked(false);
        buttons_->setExclusive(true);
        return;
    }
    Item(std::min(index, Count() - 1))->setChecked(true);
}

QAbstractButton* TRadioGroup::Item(int index) const {
    return buttons_->button(index);
}

#pragma once

#include <QGroupBox>
#include <QStringList>

#include <optional>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;

// A captioned group of radio buttons with an item index (-1: none selected). Setting the index by
// code does not emit `itemClicked`; only the user's click does.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QString& objectName, int columns, QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    int Count() const;
    int ItemIndex() const;
    // Values beyond the last item select the last item; negative values clear the selection.
    void SetItemIndex(int index);
    // Shows a device value: as SetItemIndex, but a value the group has no item for is remembered as
    // not chosen, so that a commit does not write the item shown in its place.
    void SetValue(int value);
    // The item to write: the selection, unless it stands for a value the group cannot show and the
    // user has not chosen an item since.
    std::optional<int> ChosenIndex() const;
    // The radio button of an item (named after the group: "rgName_2").
    QAbstractButton* Item(int index) const;

signals:
    void itemClicked(int index);

private:
    QButtonGroup* buttons_;
    QGridLayout* layout_;
    int columns_;
    bool foreign_ = false;
};

#pragma once
// A list as wide as a number of letters X and an icon, whatever it holds: the size that
// QComboBox::AdjustToMinimumContentsLengthWithIcon gives, computed without that policy,
// which makes the list's popup at once. Here the popup is made when the list is first
// opened, so that a window that shows the list at start does not make it.

#include <QComboBox>

class CharacterWidthList : public QComboBox {
  public:
    explicit CharacterWidthList(int characters, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

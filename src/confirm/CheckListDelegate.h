#pragma once

#include <QStyledItemDelegate>

// Paints an item of a check list: the style's check box in the strip at the item's left, the
// text after it, and as tall as the text in the view's font.
class CheckListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The style's check box width plus 2 pixels.
    static int checkStripWidth(const QWidget* widget);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintCheckBox(QPainter* painter, const QStyleOptionViewItem& item) const;
    void paintText(QPainter* painter, QStyleOptionViewItem item) const;
};

#include "confirm/CheckListDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int kTextIndent = 2;

QStyle* styleOf(const QWidget* widget) { return widget ? widget->style() : QApplication::style(); }

}  // namespace

int CheckListDelegate::checkStripWidth(const QWidget* widget) {
    return styleOf(widget)->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) + 2;
}

void CheckListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    painter->save();
    paintCheckBox(painter, item);
    paintText(painter, item);
    painter->restore();
}

void CheckListDelegate::paintCheckBox(QPainter* painter, const QStyleOptionViewItem& item) const {
    const QStyle* style = styleOf(item.widget);
    const int width = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, item.widget);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, item.widget);
    QStyleOptionViewItem box = item;
    box.rect = QRect(item.rect.left() + 1, item.rect.top() + (item.rect.height() - height) / 2,
                     width, height);
    box.state = QStyle::State_Enabled;
    box.state |= item.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, item.widget);
}

// The selection covers the text, not the check strip.
void CheckListDelegate::paintText(QPainter* painter, QStyleOptionViewItem item) const {
    const QStyle* style = styleOf(item.widget);
    item.rect.setLeft(item.rect.left() + checkStripWidth(item.widget));
    item.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->setClipRect(item.rect);
    const QRect textRect = item.rect.adjusted(kTextIndent, 0, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item.text);
}

QSize CheckListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    const int width =
        checkStripWidth(option.widget) + kTextIndent + option.fontMetrics.horizontalAdvance(text);
    return {width, option.fontMetrics.height()};
}

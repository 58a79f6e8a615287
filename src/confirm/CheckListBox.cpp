#include "confirm/CheckListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <iterator>

#include "app/DisplayText.h"
#include "confirm/CheckListDelegate.h"
#include "platform/Platform.h"

namespace {

constexpr qint64 kSearchRestartMsecs = 500;

bool hasCommandModifier(const QKeyEvent* event) {
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

}  // namespace

// --- CheckListModel ------------------------------------------------------------------------

int CheckListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

QVariant CheckListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const int row = index.row();
    if (role == Qt::DisplayRole) return displayText(ids_[row]);
    if (role == Qt::CheckStateRole) return checked(row) ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool CheckListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void CheckListModel::clear() {
    beginResetModel();
    std::vector<std::string>().swap(ids_);
    std::vector<char>().swap(checked_);
    endResetModel();
}

void CheckListModel::append(std::vector<std::string> ids) {
    if (ids.empty()) return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(ids.size()) - 1);
    ids_.insert(ids_.end(), std::make_move_iterator(ids.begin()),
                std::make_move_iterator(ids.end()));
    checked_.resize(ids_.size(), 0);
    endInsertRows();
}

void CheckListModel::setChecked(int row, bool checked) {
    if (this->checked(row) == checked) return;
    checked_[row] = checked;
    emit dataChanged(index(row), index(row), {Qt::CheckStateRole});
}

void CheckListModel::setAllChecked(bool checked) {
    const char wanted = checked;
    const int count = rowCount();
    int row = 0;
    while (row < count) {
        if (checked_[row] == wanted) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && checked_[row] != wanted) checked_[row++] = wanted;
        emit dataChanged(index(first), index(row - 1), {Qt::CheckStateRole});
    }
}

// --- TCheckListBox -------------------------------------------------------------------------

TCheckListBox::TCheckListBox(QWidget* parent) : QListView(parent) {
    setModel(&model_);
    setItemDelegate(new CheckListDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    clock_.start();
}

int TCheckListBox::count() const { return model_.rowCount(); }

void TCheckListBox::clear() { model_.clear(); }

void TCheckListBox::addItems(std::vector<std::string> ids) {
    model_.append(std::move(ids));
    selectionModel()->clear();
}

const std::string& TCheckListBox::item(int index) const { return model_.id(index); }

bool TCheckListBox::checked(int index) const { return model_.checked(index); }

void TCheckListBox::setChecked(int index, bool checked) { model_.setChecked(index, checked); }

void TCheckListBox::setAllChecked(bool checked) { model_.setAllChecked(checked); }

int TCheckListBox::itemIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int TCheckListBox::checkStripWidth() const { return CheckListDelegate::checkStripWidth(this); }

// A tick changes no item's size, so it needs none of the relayout that the list view starts for
// every change, which repaints the whole view; only the changed items in view are repainted.
void TCheckListBox::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                const QList<int>& roles) {
    if (roles != QList<int>{Qt::CheckStateRole}) {
        QListView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    const QModelIndex firstInView = indexAt(QPoint(0, 0));
    if (!firstInView.isValid()) return;
    for (int row = std::max(topLeft.row(), firstInView.row()); row <= bottomRight.row(); ++row) {
        const QModelIndex index = model_.index(row);
        if (!visualRect(index).intersects(viewport()->rect())) return;
        QAbstractItemView::dataChanged(index, index, roles);
    }
}

void TCheckListBox::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (event->button() == Qt::LeftButton && onCheckStrip(index, pos)) toggle(index.row());
}

// A double click's second press arrives only as this event; it acts as a press, so a double
// click on the box toggles twice.
void TCheckListBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TCheckListBox::keyPressEvent(QKeyEvent* event) {
    if (hasCommandModifier(event) ||
        (event->key() != Qt::Key_Space && event->key() != Qt::Key_Backspace)) {
        QListView::keyPressEvent(event);  // navigation; typed text reaches keyboardSearch()
        return;
    }
    if (event->key() == Qt::Key_Space) {
        if (itemIndex() >= 0) toggle(itemIndex());
        keyboardSearch(event->text());
    } else {
        noteKeyTime();
        eraseSearchCharacter();
    }
    event->accept();
}

void TCheckListBox::keyboardSearch(const QString& search) {
    if (search.isEmpty() || !search.front().isPrint()) return;
    noteKeyTime();
    searchText_ += platform::utf8ToAnsi(search.toStdString());
    selectFirstMatch();
}

// Qt makes the first item current on focus: the first arrow key would then skip item 0 and the
// list would look selected before the user picked anything.
void TCheckListBox::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent) selectionModel()->clearCurrentIndex();
}

qint64 TCheckListBox::msecsNow() const { return clock_.elapsed(); }

bool TCheckListBox::onCheckStrip(const QModelIndex& index, const QPoint& pos) const {
    return index.isValid() && pos.x() - visualRect(index).left() < checkStripWidth();
}

void TCheckListBox::toggle(int row) { model_.setChecked(row, !model_.checked(row)); }

void TCheckListBox::selectRow(int row) {
    selectionModel()->setCurrentIndex(model_.index(row), QItemSelectionModel::ClearAndSelect);
}

void TCheckListBox::noteKeyTime() {
    const qint64 now = msecsNow();
    if (!lastKeyTime_ || now - *lastKeyTime_ >= kSearchRestartMsecs) searchText_.clear();
    lastKeyTime_ = now;
}

void TCheckListBox::eraseSearchCharacter() {
    if (!searchText_.empty()) searchText_.erase(platform::lastCharacterStart(searchText_));
    if (!searchText_.empty()) {
        selectFirstMatch();
    } else if (count() > 0) {
        selectRow(0);
    }
}

void TCheckListBox::selectFirstMatch() {
    for (int row = 0; row < count(); ++row) {
        if (platform::startsWithIgnoringAsciiCase(model_.id(row), searchText_)) {
            selectRow(row);
            return;
        }
    }
}

#pragma once
// A list with one check box per item. Items are bill ids kept as the raw bytes the database
// delivered; they are decoded from the ANSI code page only to be shown. One item can be
// selected. A left press on the check strip toggles the item, Space toggles the selected item,
// typed text selects the first item that begins with it.

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QListView>
#include <optional>
#include <string>
#include <vector>

class CheckListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void clear();
    void append(std::vector<std::string> ids);
    const std::string& id(int row) const { return ids_[row]; }
    bool checked(int row) const { return checked_[row] != 0; }
    void setChecked(int row, bool checked);
    // Sets every item; signals a change only for the runs of items whose state changed.
    void setAllChecked(bool checked);

private:
    std::vector<std::string> ids_;
    std::vector<char> checked_;
};

class TCheckListBox : public QListView {
    Q_OBJECT

public:
    explicit TCheckListBox(QWidget* parent = nullptr);

    int count() const;
    void clear();
    // Appends items, unticked, and leaves no item selected.
    void addItems(std::vector<std::string> ids);
    const std::string& item(int index) const;
    bool checked(int index) const;
    void setChecked(int index, bool checked);
    void setAllChecked(bool checked);
    // The selected item, or -1.
    int itemIndex() const;
    // The width of the check strip at each item's left: the style's check box plus 2 pixels.
    int checkStripWidth() const;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void focusInEvent(QFocusEvent* event) override;
    // Milliseconds on a monotonic clock; the type-ahead's time base.
    virtual qint64 msecsNow() const;

private:
    bool onCheckStrip(const QModelIndex& index, const QPoint& pos) const;
    void toggle(int row);
    void selectRow(int row);
    // Starts the search text afresh when 500 ms or more passed since the previous key.
    void noteKeyTime();
    void eraseSearchCharacter();
    void selectFirstMatch();

    CheckListModel model_;
    std::string searchText_;  // ANSI bytes
    QElapsedTimer clock_;
    std::optional<qint64> lastKeyTime_;
};

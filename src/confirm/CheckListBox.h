#pragma once
// A list with one check box per item. Items are bill ids kept as the raw bytes the database
// delivered; they are decoded from the ANSI code page only to be shown. One item can be
// selected. A left press on the check strip toggles the item, Space toggles the selected item,
// typed text selects the first item that begins with it.

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QListView>
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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;

private:
    CheckListModel model_;
    std::string searchText_;  // ANSI bytes
    QElapsedTimer sinceLastKey_;
};

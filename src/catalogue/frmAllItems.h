#pragma once

#include "ui/Form.h"

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;

// Every item of every category in one list, opened over the catalogue window. A double-click
// hands the item and its category to `show`.
class frmAllItems : public Form {
    Q_OBJECT
public:
    using ShowItem = std::function<void(const QString& category, const QString& item)>;

    frmAllItems(AppContext& app, QWidget* catalogue, ShowItem show);
    ~frmAllItems() override { disconnectChildren(); }

    QListWidget* lstGroceryItem;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblTotalItems;
    QComboBox* cboCategory;

public slots:
    void Form_Load();
    void DeleteSelectedItem();
    void lstGroceryItem_DblClick();
    void mnuClose_Click();

private:
    // The selected line's item and category; nothing when no line is selected.
    bool selectedLine(QString* item, QString* category) const;

    ShowItem m_show;
};

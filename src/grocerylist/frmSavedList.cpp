#include "frmSavedList.h"

#include "store/GroceryLists.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/ListUtilities.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>

frmSavedList::frmSavedList(AppContext& app, QWidget* parent, NameAction open, NameAction deleted)
    : Form(app, QStringLiteral("frmSavedList"), QStringLiteral("Select Grocery List!"), parent),
      m_open(std::move(open)), m_deleted(std::move(deleted)) {
    setClientSize(2895, 3135);
    lstGroceryList = place<QListWidget>(QStringLiteral("lstGroceryList"), 120, 120, 2655, 2370);
    lstGroceryList->setAccessibleName(QStringLiteral("Saved Grocery Lists"));
    cmdSelect = place<QPushButton>(QStringLiteral("cmdSelect"), 240, 2640, 1095, 375);
    cmdSelect->setText(QStringLiteral("Select"));
    cmdClose = place<QPushButton>(QStringLiteral("cmdClose"), 1560, 2640, 1095, 375);
    cmdClose->setText(QStringLiteral("Close"));
    setCancelButton(cmdClose);

    QMenu* file = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addEntry(file, QStringLiteral("mnuOpen"), QStringLiteral("&Open"),
             &frmSavedList::mnuOpen_Click);
    addEntry(file, QStringLiteral("mnuDelete"), QStringLiteral("&Delete"),
             &frmSavedList::mnuDelete_Click);
    addEntry(file, QStringLiteral("mnuClose"), QStringLiteral("&Close"),
             &frmSavedList::cmdClose_Click);

    connect(cmdSelect, &QPushButton::clicked, this, &frmSavedList::cmdSelect_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSavedList::cmdClose_Click);
    connect(lstGroceryList, &QListWidget::itemDoubleClicked, this, &frmSavedList::mnuOpen_Click);
    Form_Load();
    PaintBackgrounds(app.settings.BackGroundColor, {this});
}

void frmSavedList::Form_Load() {
    lstGroceryList->clear();
    SetListTabStops(lstGroceryList, {85, 100});
    IgnoreStoreErrors([&] { lstGroceryList->addItems(LoadGroceryListNames(app().store())); });
}

QString frmSavedList::selectedName() const {
    const QList<QListWidgetItem*> selected = lstGroceryList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void frmSavedList::cmdSelect_Click() {
    if (selectedName().isEmpty()) {
        app().messages().show(this, QStringLiteral("Please Select a Grocery List!"),
                              QStringLiteral("Information!"), MsgButtons::Ok);
        return;
    }
    mnuOpen_Click();
}

void frmSavedList::mnuOpen_Click() {
    m_open(selectedName());
    close();
}

void frmSavedList::mnuDelete_Click() {
    const QString name = selectedName();
    // With nothing chosen there is nothing to delete; the list on screen stays.
    if (name.isEmpty())
        return;
    if (!written(QStringLiteral("The Grocery List could not be deleted!"),
                 [&] { DeleteGroceryList(app().store(), name); }))
        return;
    m_deleted(name);
    Form_Load();
}

void frmSavedList::cmdClose_Click() {
    close();
}

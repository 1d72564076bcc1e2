#include "frmAllItems.h"

#include "store/Catalogue.h"
#include "store/Loaders.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/KeyEvents.h"
#include "ui/ListUtilities.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

frmAllItems::frmAllItems(AppContext& app, QWidget* catalogue, ShowItem show)
    : Form(app, QStringLiteral("frmAllItems"), QStringLiteral("All Grocery Items!"), catalogue),
      m_show(std::move(show)) {
    setClientSize(5400, 5520);
    Label1 = place<QLabel>(QStringLiteral("Label1"), 240, 120, 2400, 285);
    Label1->setText(QStringLiteral("Grocery Item"));
    Label2 = place<QLabel>(QStringLiteral("Label2"), 2760, 120, 2400, 285);
    Label2->setText(QStringLiteral("Category"));
    lstGroceryItem = place<QListWidget>(QStringLiteral("lstGroceryItem"), 240, 420, 4920, 4500);
    lblTotalItems = place<QLabel>(QStringLiteral("lblTotalItems"), 240, 5040, 4920, 300);
    lblTotalItems->setText(QStringLiteral("Total Grocery Items:"));
    cboCategory = place<QComboBox>(QStringLiteral("cboCategory"), 0, 0, 100, 100);
    cboCategory->setVisible(false);
    for (QLabel* label : {Label1, Label2})
        label->setFont(ProgramFont(9, true));

    QMenu* options = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    addEntry(options, QStringLiteral("mnuDelete"), QStringLiteral("&Delete Grocery Item"),
             &frmAllItems::DeleteSelectedItem);
    addSeparator(options, QStringLiteral("mnuSep"));
    setCancelAction(addEntry(options, QStringLiteral("mnuClose"), QStringLiteral("&Close"),
                             &frmAllItems::mnuClose_Click));

    connect(lstGroceryItem, &QListWidget::itemDoubleClicked, this,
            &frmAllItems::lstGroceryItem_DblClick);
    OnKey(lstGroceryItem, QEvent::KeyPress, [this](QKeyEvent* event) {
        if (event->key() == Qt::Key_Delete)
            DeleteSelectedItem();
    });
    Form_Load();
}

void frmAllItems::Form_Load() {
    IgnoreStoreErrors([&] { SetComboEntries(cboCategory, LoadCategories(app().store())); });
    lstGroceryItem->clear();
    SetListTabStops(lstGroceryItem, {85, 100});
    QStringList lines;
    for (int i = 0; i < cboCategory->count(); ++i) {
        const QString category = cboCategory->itemText(i);
        // A category whose table cannot be read is left out, and not counted.
        IgnoreStoreErrors([&] {
            for (const QString& item : LoadCategoryItems(app().store(), category))
                lines << item + QStringLiteral("\t\t") + category;
        });
    }
    SortIgnoringCase(lines);
    lstGroceryItem->addItems(lines);
    lblTotalItems->setText(QStringLiteral("Total Grocery Items: ") + QString::number(lines.size()));
    PaintBackgrounds(app().settings.BackGroundColor, {this, lblTotalItems, Label1, Label2});
}

bool frmAllItems::selectedLine(QString* item, QString* category) const {
    const QListWidgetItem* line = lstGroceryItem->currentItem();
    if (!line || !line->isSelected())
        return false;
    const QString text = line->text();
    *item = text.section(QLatin1Char('\t'), 0, 0);
    *category = text.section(QLatin1Char('\t'), 2);
    return true;
}

void frmAllItems::DeleteSelectedItem() {
    QString item;
    QString category;
    // Nothing selected: there is nothing to ask about.
    if (!selectedLine(&item, &category))
        return;
    if (app().messages().show(this, QStringLiteral("Do you want to Delete item ") + item + " ?",
                              QStringLiteral("Confirm Delete!"),
                              MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (!written(QStringLiteral("The Grocery Item could not be deleted!"),
                 [&] { DeleteCatalogueItem(app().store(), category, item.trimmed()); }))
        return;
    close();
}

void frmAllItems::lstGroceryItem_DblClick() {
    QString item;
    QString category;
    if (!selectedLine(&item, &category))
        return;
    m_show(category, item);
    close();
}

void frmAllItems::mnuClose_Click() {
    close();
}

#pragma once

#include "TestData.h"
#include "catalogue/frmAddGrocery.h"
#include "store/Categories.h"
#include "store/DataStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QtTest>

// A catalogue window over a small catalogue: Dairy (Milk, Milk Chocolate, Butter), an empty
// Frozen category and two aisles.
struct CatalogueFixture {
    TestData data;
    QPointer<frmAddGrocery> window;

    CatalogueFixture() {
        DataStore& store = data.open().store();
        data.app.settings.DropDown = 0;
        CreateCategory(store, "Dairy");
        CreateCategory(store, "Frozen");
        for (const char* item : {"Milk", "Milk Chocolate", "Butter"})
            store.run(QStringLiteral("INSERT INTO Dairy (Item, Size, Aisle, Price) "
                                     "VALUES (?1, '1 gal', 'B1', '3.59')"),
                      QString(item));
        store.run(QStringLiteral("INSERT INTO Aisles VALUES ('B1', 'Dairy and Eggs')"));
        store.run(QStringLiteral("INSERT INTO Aisles (Aisle) VALUES ('B4')"));
        open();
    }
    ~CatalogueFixture() { delete window; }

    void open() {
        delete window;
        window = new frmAddGrocery(data.app);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    DataStore& store() { return data.app.store(); }
    FakeMessageBoxes& boxes() { return data.platform.messageBoxes; }
    void answer(std::initializer_list<MsgAnswer> answers) {
        boxes().answers.insert(boxes().answers.end(), answers);
    }

    // Picks an entry of a combo box's list, as a click in its drop-down does.
    static void pick(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void pickCategory(const QString& name) { pick(window->cboCategory, name); }
    void selectItem(const QString& name) {
        const auto found = window->lstGroceryItem->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        window->lstGroceryItem->setCurrentItem(found.first());
    }
    static void type(QWidget* box, const QString& text) {
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->clear();
        // An editable combo box takes the keys itself and passes them to its text part.
        if (auto* combo = qobject_cast<QComboBox*>(box))
            combo->lineEdit()->clear();
        QTest::keyClicks(box, text);
    }
    QStringList items(const QString& category = "Dairy") {
        return Rows(store(), category, {"Item", "Size", "Aisle", "Price", "Comments"});
    }
    QStringList listed() const {
        QStringList names;
        for (int i = 0; i < window->lstGroceryItem->count(); ++i)
            names << window->lstGroceryItem->item(i)->text();
        return names;
    }
};

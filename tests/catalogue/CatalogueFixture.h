#pragma once

#include "TestData.h"
#include "catalogue/frmAddGrocery.h"
#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "ui/ListUtilities.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

// A catalogue window over Dairy (Milk, Milk Chocolate, Butter), an empty Frozen category and
// two aisles. Questions are answered Yes unless `boxes.answers` says otherwise.
struct CatalogueFixture {
    TestData data;
    QPointer<frmAddGrocery> window;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;

    CatalogueFixture() {
        DataStore& store = data.open().store();
        data.app.settings.DropDown = 0;
        CreateCategory(store, "Dairy");
        CreateCategory(store, "Frozen");
        for (const char* item : {"Milk", "Milk Chocolate", "Butter"})
            store.run("INSERT INTO Dairy (Item, Size, Aisle, Price) VALUES (?1, '1 gal', 'B1', "
                      "'3.59')",
                      QString(item));
        store.run("INSERT INTO Aisles VALUES ('B1', 'Dairy and Eggs')");
        store.run("INSERT INTO Aisles (Aisle) VALUES ('B4')");
        open();
    }
    ~CatalogueFixture() { delete window; }

    void open() {
        delete window;
        window = new frmAddGrocery(data.app, CatalogueMode::Editor);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    DataStore& store() { return data.app.store(); }
    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    void save() { QTest::mouseClick(window->cmdSave, Qt::LeftButton); }
    void add() { QTest::mouseClick(window->cmdAddtoMeal, Qt::LeftButton); }

    // Picks an entry of a combo box's list, as a click in its drop-down does.
    static void pick(QComboBox* combo, const QString& text) {
        combo->setCurrentIndex(combo->findText(text));
        emit combo->activated(combo->currentIndex());
    }
    void pickCategory(const QString& name) { pick(window->cboCategory, name); }
    void selectItem(const QString& name) {
        const auto found = window->lstGroceryItem->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        window->lstGroceryItem->setCurrentItem(found.first());
    }
    // Real keys, so the window's typed and changed flags follow.
    static void type(QWidget* box, const QString& text) {
        auto* combo = qobject_cast<QComboBox*>(box);
        (combo ? combo->lineEdit() : static_cast<QLineEdit*>(box))->clear();
        QTest::keyClicks(box, text);
    }
    QStringList items(const QString& category = "Dairy") {
        return Rows(store(), category, {"Item", "Size", "Aisle", "Price", "Comments"});
    }
    QStringList aisles() { return Rows(store(), "Aisles", {"Aisle", "Description"}); }
    QStringList listed() const { return ListTexts(window->lstGroceryItem); }
};

#include "Program.h"

#include "app/Startup.h"
#include "store/DataStore.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

Program::Program(const std::function<void(DataStore&)>& fill) {
    if (fill)
        fill(*DataStore::open(data.dataFile()));
    main = Main(data.app);
}

QStringList Program::messages() {
    const QStringList texts = boxes.texts();
    boxes.shown.clear();
    return texts;
}

void Program::press(QWidget* window, const QString& name) {
    if (auto* button = window->findChild<QAbstractButton*>(name))
        button->click();
    else
        window->findChild<QAction*>(name)->trigger();
    settle();
}

void Program::type(QWidget* box, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(box);
    (combo ? combo->lineEdit() : static_cast<QLineEdit*>(box))->clear();
    QTest::keyClicks(box, text);
}

void Program::choose(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
    emit box->activated(box->currentIndex());
}

void Program::choose(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->setCurrentItem(found.first());
}

void Program::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

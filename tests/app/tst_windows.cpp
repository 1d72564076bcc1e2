// What a person meets in every window: each caption fits its control in the font the program
// picks and reads on a light and on a dark background, while the menus keep the desktop's
// colours; Esc closes every window that offers a Close or a Cancel; Tab and Shift+Tab walk
// the controls as they are placed and the one with the focus shows it; a screen reader has a
// name for every control. Each window is saved as a picture in the build folder for a person
// to look at.
#include "SampleContent.h"
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "backup/frmBackup.h"
#include "catalogue/frmAddGrocery.h"
#include "catalogue/frmAllItems.h"
#include "coupons/frmCoupons.h"
#include "coupons/frmLinks.h"
#include "grocerylist/frmAddItems.h"
#include "grocerylist/frmGroceryList.h"
#include "grocerylist/frmPhoneList.h"
#include "grocerylist/frmSavedList.h"
#include "help/AboutBox.h"
#include "help/frmEmailAddress.h"
#include "help/frmeMail.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"
#include "planner/frmSavedWeek.h"
#include "planner/frmWeekName.h"
#include "printing/frmPrint.h"
#include "transfer/frmImport.h"
#include "ui/Colors.h"
#include "ui/WrappingButton.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOption>
#include <QtTest>

namespace {

using Opener = std::function<QWidget*(AppContext&)>;

// The room a control gives its caption, and the room the caption takes there.
struct Caption {
    QRect room;
    QRect needed;
};

Caption laidOut(QWidget* widget, const QString& text, const QRect& room, int flags) {
    return {room, widget->fontMetrics().boundingRect(room, flags | Qt::TextShowMnemonic, text)};
}

std::optional<Caption> captionOf(QWidget* widget) {
    QStyle* style = widget->style();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (qobject_cast<WrappingButton*>(widget))
            return laidOut(button, button->text(), button->rect().adjusted(3, 3, -3, -3),
                           Qt::AlignCenter | Qt::TextWordWrap);
        if (qobject_cast<QPushButton*>(widget))
            return laidOut(button, button->text(),
                           style->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                           Qt::AlignCenter);
        const auto element = qobject_cast<QCheckBox*>(widget) ? QStyle::SE_CheckBoxContents
                                                              : QStyle::SE_RadioButtonContents;
        return laidOut(button, button->text(), style->subElementRect(element, &option, button),
                       Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (auto* label = qobject_cast<QLabel*>(widget))
        return laidOut(label, label->text(), label->contentsRect(),
                       int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        // The style sizes the title's place to the title; it must stay inside the frame.
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return Caption{box->rect(), style->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, box)};
    }
    return std::nullopt;
}

// The colour a control's caption is drawn on: its own or that of the nearest control
// around it that fills its background.
QColor backgroundBehind(const QWidget* widget) {
    while (!widget->autoFillBackground() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget->palette().color(widget->backgroundRole());
}

// What a person could not read in `window`: captions that do not fit, captions too faint on
// their background, menus in the window's colours.
QStringList unreadable(QWidget* window) {
    QStringList found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget)) {
            if (widget->palette().color(QPalette::Window) !=
                QApplication::palette(widget).color(QPalette::Window))
                found << widget->objectName() + " takes the window's colours";
            continue;
        }
        if (!widget->isVisibleTo(window))
            continue;
        const std::optional<Caption> caption = captionOf(widget);
        if (!caption || caption->needed.isEmpty())
            continue;
        if (!caption->room.contains(caption->needed))
            found << widget->objectName() + " does not fit";
        // Buttons draw their captions on their own face.
        if (!qobject_cast<QPushButton*>(widget) && widget->isEnabled() &&
            ContrastRatio(widget->palette().color(QPalette::WindowText), backgroundBehind(widget)) <
                kReadableContrast)
            found << widget->objectName() + " is too faint";
    }
    return found;
}

// Whether `window` offers a Close or Cancel, as a button or as a menu entry.
bool canBeCancelled(QWidget* window) {
    QStringList captions;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        captions << button->text();
    for (const QAction* action : window->findChildren<QAction*>())
        captions << action->text();
    return captions.contains("Close") || captions.contains("&Close") || captions.contains("Cancel");
}

// The controls Tab can reach: shown, switched on and taking the focus from the keyboard.
QList<QWidget*> reachable(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Of a group of option buttons Tab stops at the one chosen.
        const auto* option = qobject_cast<QRadioButton*>(widget);
        if (widget->isVisibleTo(window) && widget->isEnabled() && !widget->focusProxy() &&
            (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            !(option && !option->isChecked()))
            controls << widget;
    }
    return controls;
}

// Whether a person reads `later` after `earlier`: the blocks they stand in side by side are
// on one line (each starts above the other's middle) with `later` further right, or `later`
// is lower down.
bool readAfter(QWidget* earlier, QWidget* later) {
    while (!earlier->parentWidget()->isAncestorOf(later))
        earlier = earlier->parentWidget();
    while (later->parentWidget() != earlier->parentWidget())
        later = later->parentWidget();
    const QRect a = earlier->geometry();
    const QRect b = later->geometry();
    const bool sameLine = b.top() < a.center().y() && a.top() < b.center().y();
    return sameLine ? b.left() > a.left() : b.top() > a.top();
}

// The control and the ring of two pixels around it, as drawn in `window`.
QImage around(QWidget* window, QWidget* control) {
    const QRect rect(control->mapTo(window, QPoint(0, 0)), control->size());
    return window->grab(rect.adjusted(-2, -2, 2, 2)).toImage();
}

// Whether a control shows its focus: between focused and not, at least a one-pixel line
// around it changes to a colour that stands out from the one before (3:1).
bool showsFocus(const QImage& focused, const QImage& unfocused) {
    qsizetype changed = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            changed += ContrastRatio(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3;
    return changed >= 2 * (focused.width() + focused.height());
}

// What a screen reader announces a control by: its own name, the labels and frames it is
// labelled by, and what its focused part is called. The own name of a combo box on Linux
// is only the entry it shows.
QString spokenName(QWidget* control) {
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(control);
    QStringList names;
    if (readable->role() != QAccessible::ComboBox)
        names << readable->text(QAccessible::Name);
    for (const auto& [label, relation] : readable->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    if (const QAccessibleInterface* part = readable->focusChild())
        names << part->text(QAccessible::Name);
    return names.join(' ').trimmed();
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

    // Every window, as the program opens it, on its light background and on a dark one.
    static void windows() {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<quint32>("background");
        const auto row = [](const char* name, Opener open) {
            QTest::newRow(name) << open << kLightYellow;
            QTest::addRow("%s-navy", name) << open << 0x00800000u;
        };
        row("frmMain", [](AppContext& app) { return Main(app).release(); });
        row("frmAddGrocery",
            [](AppContext& app) { return new frmAddGrocery(app, CatalogueMode::Editor); });
        row("frmAllItems", [](AppContext& app) { return new frmAllItems(app, nullptr, {}); });
        row("frmAddMeal", [](AppContext& app) { return new frmAddMeal(app); });
        row("frmMenuPlanner", [](AppContext& app) { return new frmMenuPlanner(app); });
        row("frmSavedWeek", [](AppContext& app) { return new frmSavedWeek(app, nullptr, {}); });
        row("frmWeekName", [](AppContext& app) { return new frmWeekName(app, nullptr, {}); });
        row("frmGroceryList", [](AppContext& app) { return new frmGroceryList(app); });
        row("frmSavedList", [](AppContext& app) { return new frmSavedList(app, nullptr, {}, {}); });
        row("frmPhoneList",
            [](AppContext& app) { return new frmPhoneList(app, "Weekly Shopping", "Milk 2 gal"); });
        row("frmAddItems", [](AppContext& app) {
            return new frmAddItems(
                app,
                GroceryListLine{"Milk", "2", true, "1 gal", "B4", "3.49", "Dairy", "store brand"},
                nullptr, {});
        });
        row("frmPrint", [](AppContext& app) { return new frmPrint(app, nullptr); });
        row("frmBackup", [](AppContext& app) {
            auto* window = new frmBackup(app);
            window->Label1->setText("Insert your USB Drive.");
            return window;
        });
        row("frmCoupons", [](AppContext& app) { return new frmCoupons(app); });
        row("frmLinks", [](AppContext& app) { return new frmLinks(app); });
        row("frmImport", [](AppContext& app) {
            ImportPlan plan;
            plan.summary = QStringList{"Meal Toast added (2 items).", "Refused line 3: ..."};
            return new frmImport(app, plan, "meals.csv");
        });
        row("AboutBox", [](AppContext& app) { return new AboutBox(app); });
        row("frmeMail", [](AppContext& app) { return new frmeMail(app); });
        row("frmEmailAddress", [](AppContext& app) { return new frmEmailAddress(app); });
    }

    // The window of the current row over the sample data, shown and active.
    static std::unique_ptr<QWidget> shown(TestData& data) {
        QFETCH(Opener, open);
        QFETCH(quint32, background);
        {
            auto store = DataStore::open(data.dataFile());
            store->run("DELETE FROM dbIndex");
            FillSampleContent(*store);
            store->run("UPDATE dbIndex SET BackGroundColor = ?1, DropDown = 0", qint64(background));
        }
        data.open();
        std::unique_ptr<QWidget> window(open(data.app));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            window.reset();
        return window;
    }

private slots:
    void everyWindowReadsAndWalks_data() { windows(); }
    void everyWindowReadsAndWalks() {
        TestData data;
        const std::unique_ptr<QWidget> window = shown(data);
        QVERIFY(window);
        QDir(PANTRELLE_SCREENSHOTS).mkpath(".");
        QVERIFY(window->grab().save(
            QString("%1/%2.png").arg(PANTRELLE_SCREENSHOTS, QTest::currentDataTag())));
        QStringList faults = unreadable(window.get());
        const QList<QWidget*> controls = reachable(window.get());
        for (QWidget* control : controls)
            if (spokenName(control).isEmpty())
                faults << control->objectName() + " has no name";
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        if (QByteArray(QTest::currentDataTag()).endsWith("-navy"))
            return;

        // Tab walks round once: every control met once, each showing its focus, and one step
        // back from the last to the first. Shift+Tab walks the same way back.
        QList<QWidget*> walk{QApplication::focusWidget()};
        for (qsizetype step = 0; step < controls.size(); ++step) {
            QWidget* from = walk.last();
            const QImage focused = around(window.get(), from);
            QTest::keyClick(from, Qt::Key_Tab);
            walk << QApplication::focusWidget();
            if (walk.last() != from && !showsFocus(focused, around(window.get(), from)))
                faults << from->objectName() + " shows no focus";
            if (!readAfter(from, walk.last()))
                faults << walk.last()->objectName() + " after " + from->objectName();
        }
        if (!controls.isEmpty()) {
            QCOMPARE(walk.last(), walk.first());
            walk.removeLast();
            QCOMPARE(QSet<QWidget*>(walk.cbegin(), walk.cend()),
                     QSet<QWidget*>(controls.cbegin(), controls.cend()));
            QVERIFY2(faults.size() == 1, qPrintable(faults.join("; ")));
        }
        for (qsizetype step = controls.size(); step > 0; --step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), walk[step - 1]);
        }

        // Esc does what Close or Cancel does, wherever the focus is.
        if (canBeCancelled(window.get())) {
            QWidget* focus = window->focusWidget();
            QTest::keyClick(focus ? focus : window.get(), Qt::Key_Escape);
            QVERIFY(!window->isVisible());
        }
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"

#include "frmMain.h"

#include "MainPicture.h"
#include "Startup.h"
#include "backup/ShowBackupWindow.h"
#include "catalogue/ShowCatalogue.h"
#include "coupons/ShowCoupons.h"
#include "grocerylist/ShowGroceryList.h"
#include "help/ShowAboutBox.h"
#include "help/ShowEmailAddress.h"
#include "meals/ShowMealEditor.h"
#include "planner/ShowMenuPlanner.h"
#include "platform/Twips.h"
#include "store/Settings.h"
#include "store/StoreError.h"
#include "transfer/ShowExport.h"
#include "transfer/ShowImport.h"
#include "ui/AppContext.h"
#include "ui/ColorDialog.h"
#include "ui/Colors.h"
#include "ui/Compaction.h"
#include "ui/Fonts.h"
#include "ui/ListUtilities.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

frmMain::frmMain(AppContext& app)
    : Form(app, QStringLiteral("frmMain"), QStringLiteral("Pantrelle with Menu Planner!")) {
    setClientSize(7320, 7080);

    Label1 = place<QLabel>(QStringLiteral("Label1"), 240, 120, 6840, 600);
    Label1->setText(QStringLiteral("Pantrelle"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = ProgramFont(24, true);
    title.setItalic(true);
    Label1->setFont(title);
    SetTextColor(Label1, QColor(0x00, 0x00, 0x80));

    Label3 = place<QLabel>(QStringLiteral("Label3"), 240, 720, 6840, 360);
    Label3->setText(QStringLiteral("with Menu Planner"));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFont(ProgramFont(12, true));
    SetTextColor(Label3, QColor(0x80, 0x00, 0x00));

    Image2 = place<QLabel>(QStringLiteral("Image2"), 240, 1200, 3600, 5205);

    const QStringList names{QStringLiteral("cmdAddGrocery"), QStringLiteral("cmdCreateMeals"),
                            QStringLiteral("cmdMenuPlanner"), QStringLiteral("cmdGroceryList")};
    const QStringList captions{QStringLiteral("Grocery Items"), QStringLiteral("Create Meals"),
                               QStringLiteral("Menu Planner"), QStringLiteral("Grocery List")};
    QPushButton** buttons[] = {&cmdAddGrocery, &cmdCreateMeals, &cmdMenuPlanner, &cmdGroceryList};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = place<QPushButton>(names[i], 4320, 1560 + i * 1200, 2640, 720);
        (*buttons[i])->setText(captions[i]);
        (*buttons[i])->setFont(ProgramFont(11, true));
    }
    connect(cmdAddGrocery, &QPushButton::clicked, this, &frmMain::cmdAddGrocery_Click);
    connect(cmdCreateMeals, &QPushButton::clicked, this, &frmMain::cmdCreateMeals_Click);
    connect(cmdMenuPlanner, &QPushButton::clicked, this, &frmMain::cmdMenuPlanner_Click);
    connect(cmdGroceryList, &QPushButton::clicked, this, &frmMain::cmdGroceryList_Click);

    Label2 = place<QLabel>(QStringLiteral("Label2"), 240, 6600, 6840, 360);
    Label2->setText(QStringLiteral("Copyright \u00A9 2026 Orvanta. All rights reserved."));
    Label2->setAlignment(Qt::AlignCenter);

    buildMenus();
}

void frmMain::buildMenus() {
    QMenu* file = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addEntry(file, QStringLiteral("mnuGrocery"), QStringLiteral("&Grocery Items"),
             &frmMain::mnuGrocery_Click);
    addEntry(file, QStringLiteral("mnuMeals"), QStringLiteral("&Create Meals"),
             &frmMain::cmdCreateMeals_Click);
    addEntry(file, QStringLiteral("mnuPlanner"), QStringLiteral("&Meal Planner"),
             &frmMain::cmdMenuPlanner_Click);
    addEntry(file, QStringLiteral("mnuGroceryList"), QStringLiteral("Grocery &List"),
             &frmMain::cmdGroceryList_Click);
    addSeparator(file, QStringLiteral("mnuSep3"));
    addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), &frmMain::mnuExit_Click);

    QMenu* options = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    addEntry(options, QStringLiteral("mnuColors"), QStringLiteral("&Change Colors"),
             &frmMain::mnuColors_Click);
    addEntry(options, QStringLiteral("mnuEmailAddress"), QStringLiteral("Your &e-mail Address..."),
             &frmMain::mnuEmailAddress_Click);
    addSeparator(options, QStringLiteral("mnuSep2"));
    addEntry(options, QStringLiteral("mnuImport"), QStringLiteral("&Import from CSV File..."),
             &frmMain::mnuImport_Click);
    addEntry(options, QStringLiteral("mnuExport"), QStringLiteral("&Export to CSV File"),
             &frmMain::mnuExport_Click);
    addSeparator(options, QStringLiteral("mnuSep"));
    addEntry(options, QStringLiteral("mnuBackup"), QStringLiteral("&Backup Data"),
             &frmMain::mnuBackup_Click);
    addEntry(options, QStringLiteral("mnuRestore"), QStringLiteral("&Restore Data"),
             &frmMain::mnuRestore_Click);

    addTopEntry(QStringLiteral("mnuCoupons"), QStringLiteral("&Coupons"),
                &frmMain::mnuCoupons_Click);

    QMenu* help = addMenu(QStringLiteral("mnuHep"), QStringLiteral("&Help"));
    addEntry(help, QStringLiteral("mnuContents"), QStringLiteral("&Using Pantrelle"),
             &frmMain::mnuContents_Click, QKeySequence(Qt::Key_F1));
    addEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Pantrelle"),
             &frmMain::mnuAbout_Click);
}

bool frmMain::Form_Load() {
    try {
        app().openStore();
        app().settings = ReadSettings(app().store());
        Image2->setFixedHeight(TwipsToPixels(5205));
        Image2->setPixmap(MainPicture(Image2->size()));
        paintColors();
    } catch (const StoreError&) {
        // Nothing is written on this path: the program ends without its closing steps.
        app().closeStore();
        app().messages().show(this, QStringLiteral("Data File not found. Re-install program!"),
                              QStringLiteral("Error loading Data File!"), MsgButtons::Ok);
        app().platform().endProcess(1);
        return false;
    }
    app().mainWindow = this;
    return true;
}

void frmMain::paintColors() {
    PaintBackgrounds(app().settings.BackGroundColor, {this, Label1, Label2, Label3});
}

bool frmMain::Form_Unload() {
    try {
        WriteExitSettings(app().store(), app().settings);
    } catch (const StoreError&) {
        // The program ends whatever happens; a failed write must not keep it running.
        reportFailure(QStringLiteral("Your settings could not be saved!"));
    }
    app().closeStore();
    app().mainWindow = nullptr;
    app().platform().endProcess(0);
    return true;
}

void frmMain::cmdAddGrocery_Click() {
    ShowCatalogue(app(), this);
}

void frmMain::mnuGrocery_Click() {
    cmdAddGrocery_Click();
}

void frmMain::cmdCreateMeals_Click() {
    ShowMealEditor(app());
}

void frmMain::cmdMenuPlanner_Click() {
    ShowMenuPlanner(app());
}

void frmMain::cmdGroceryList_Click() {
    ShowGroceryList(app());
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuColors_Click() {
    const qint64 result = ShowColorDialog(app(), this, true, app().settings.BackGroundColor);
    // Stored when the program ends, with the other settings this window writes.
    if (result != -1)
        app().settings.BackGroundColor = quint32(result);
    paintColors();
}

void frmMain::mnuEmailAddress_Click() {
    ShowEmailAddress(app(), this);
}

void frmMain::mnuImport_Click() {
    ShowImport(app(), this);
}

void frmMain::mnuExport_Click() {
    ShowExport(app(), this);
}

void frmMain::mnuBackup_Click() {
    try {
        CompactDataStore(app());
    } catch (const StoreError&) {
        // A backup of the uncompacted file is as good; the backup window still opens.
    }
    ShowBackupWindow(app(), this);
}

void frmMain::mnuRestore_Click() {
    ShowRestoreWindow(app(), this);
}

void frmMain::mnuCoupons_Click() {
    ShowCoupons(app(), this);
}

void frmMain::mnuContents_Click() {
    OpenDocument(app(), app().manualPath());
}

void frmMain::mnuAbout_Click() {
    ShowAboutBox(app(), this, true);
}

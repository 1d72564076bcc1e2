#include "frmPrint.h"

#include "platform/Printers.h"
#include "store/Settings.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char* const kChoiceCaptions[frmPrint::kChoices] = {
    "Print Grocery List by Item", "Print Grocery List by Aisle", "Print Grocery List by Category",
    "Print Aisles List", "Print Meal Plan"};
// Top to bottom on screen, and the keyboard's order through them.
constexpr int kScreenOrder[frmPrint::kChoices] = {2, 1, 0, 3, 4};
constexpr int kKeyboardOrder[frmPrint::kChoices] = {2, 0, 1, 3, 4};

const char* const kColorCaptions[frmPrint::kColors] = {"Black",   "Red",  "Green", "Blue",
                                                       "Magenta", "Cyan", "Yellow"};

} // namespace

frmPrint::frmPrint(AppContext& app, QWidget* owner)
    : Form(app, QStringLiteral("frmPrint"), QStringLiteral("Print Menu!"), owner) {
    setClientSize(5520, 3960);
    Label1 = place<QLabel>(QStringLiteral("Label1"), 240, 120, 5040, 255);
    Label1->setText(QStringLiteral("Choose Printer"));
    cboPrinter = place<QComboBox>(QStringLiteral("cboPrinter"), 240, 390, 5040, 315);
    Label1->setBuddy(cboPrinter);
    buildChoices();
    buildColors();

    const auto button = [this](const char* name, const QString& caption, int left) {
        auto* b = place<QPushButton>(QString::fromLatin1(name), left, 3420, 1575, 375);
        b->setText(caption);
        b->setAutoDefault(false);
        return b;
    };
    cmdPrint = button("cmdPrint", QStringLiteral("Print"), 240);
    cmdPrint->setDefault(true);
    cmdPreview = button("cmdPreview", QStringLiteral("Preview"), 1972);
    cmdCancel = button("cmdCancel", QStringLiteral("Cancel"), 3705);
    setCancelButton(cmdCancel);

    // Keyboard order: the print choices, the colours, the printer, the buttons.
    QList<QWidget*> order;
    for (int index : kKeyboardOrder)
        order << Option1[index];
    for (QRadioButton* option : optColor)
        order << option;
    order << cboPrinter << cmdPrint << cmdPreview << cmdCancel;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cboPrinter, &QComboBox::activated, this, &frmPrint::cboPrinter_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmPrint::cmdPreview_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::cmdCancel_Click);
    Form_Load();
}

void frmPrint::buildChoices() {
    Frame1 = place<QGroupBox>(QStringLiteral("Frame1"), 240, 840, 3360, 2415);
    Frame1->setTitle(QStringLiteral("Sort && Print Options"));
    for (int row = 0; row < kChoices; ++row) {
        const int index = kScreenOrder[row];
        Option1[index] = place<QRadioButton>(QStringLiteral("Option1_%1").arg(index), 120,
                                             300 + row * 400, 3120, 300, Frame1);
        Option1[index]->setText(QString::fromLatin1(kChoiceCaptions[index]));
    }
}

void frmPrint::buildColors() {
    Frame2 = place<QGroupBox>(QStringLiteral("Frame2"), 3720, 840, 1560, 2415);
    Frame2->setTitle(QStringLiteral("Print Color"));
    for (int index = 0; index < kColors; ++index) {
        QRadioButton* option = place<QRadioButton>(QStringLiteral("optColor_%1").arg(index), 120,
                                                   270 + index * 300, 1320, 285, Frame2);
        option->setText(QString::fromLatin1(kColorCaptions[index]));
        connect(option, &QRadioButton::clicked, this, [this, index] { optColor_Click(index); });
        optColor[size_t(index)] = option;
    }
}

void frmPrint::Form_Load() {
    IgnoreStoreErrors(
        [&] { app().settings.OptionColor = ReadSettings(app().store()).OptionColor; });
    const int stored = app().settings.OptionColor;
    if (stored >= 0 && stored < kColors)
        optColor[size_t(stored)]->setChecked(true);
    fillPrinters();

    QList<QWidget*> painted{this, Frame1, Frame2};
    for (QRadioButton* option : Option1)
        painted << option;
    for (QRadioButton* option : optColor)
        painted << option;
    for (QWidget* widget : painted)
        PaintBackground(widget, app().settings.BackGroundColor);
}

void frmPrint::fillPrinters() {
    Printers& printers = app().platform().printers();
    cboPrinter->clear();
    cboPrinter->addItems(printers.installed());
    // Always there, so a list can go to paper or a phone even without a printer.
    cboPrinter->addItem(kPdfFilePrinter);
    int current =
        cboPrinter->findText(printers.current(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    // A printer removed since it was chosen gives way to the first one listed.
    if (current < 0) {
        current = 0;
        printers.setCurrent(cboPrinter->itemText(current));
    }
    cboPrinter->setCurrentIndex(current);
}

void frmPrint::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    for (int index : kKeyboardOrder) {
        if (Option1[index]->isChecked()) {
            Option1[index]->setFocus();
            return;
        }
    }
    for (int index : kKeyboardOrder) {
        if (Option1[index]->isEnabled()) {
            Option1[index]->setChecked(true);
            Option1[index]->setFocus();
            return;
        }
    }
}

std::optional<PrintChoice> frmPrint::chosenPrintout() const {
    for (int index = 0; index < kChoices; ++index) {
        if (Option1[index]->isChecked())
            return PrintChoice(index);
    }
    return std::nullopt;
}

std::optional<quint32> frmPrint::chosenColor() const {
    for (int index = 0; index < kColors; ++index) {
        if (optColor[size_t(index)]->isChecked())
            return kColorValues[size_t(index)];
    }
    return std::nullopt;
}

void frmPrint::cboPrinter_Click() {
    const QString name = cboPrinter->currentText();
    Printers& printers = app().platform().printers();
    if (name == kPdfFilePrinter || printers.installed().contains(name))
        printers.setCurrent(name);
}

void frmPrint::optColor_Click(int index) {
    app().settings.OptionColor = index;
    IgnoreStoreErrors([&] { WriteOptionColor(app().store(), index); });
}

void frmPrint::cmdPrint_Click() {
    const std::optional<quint32> color = chosenColor();
    const std::optional<PrintChoice> choice = chosenPrintout();
    if (choice) {
        const Printout printout = PreparePrintout(app(), *choice, color.value_or(app().PrintColor));
        const QString printer = app().platform().printers().current();
        QString pdfFile;
        if (printer == kPdfFilePrinter) {
            const std::optional<QString> path = app().platform().fileChoosers().saveFile(
                this, QStringLiteral("Save Printout as PDF"), SuggestedPdfPath(printout.title),
                QStringLiteral("PDF files (*.pdf)"));
            // No file chosen: back to the window, nothing printed.
            if (!path)
                return;
            pdfFile = *path;
        }
        if (color)
            app().PrintColor = *color;
        hide();
        SendPrintout(app(), parentWidget(), printout, printer, pdfFile);
    } else if (color) {
        app().PrintColor = *color;
    }
    close();
}

void frmPrint::cmdPreview_Click() {
    const std::optional<PrintChoice> choice = chosenPrintout();
    if (!choice)
        return;
    ShowPrintPreview(app(), this,
                     PreparePrintout(app(), *choice, chosenColor().value_or(app().PrintColor)),
                     app().platform().printers().current());
}

void frmPrint::cmdCancel_Click() {
    close();
}

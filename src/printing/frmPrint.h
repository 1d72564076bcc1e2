#pragma once

#include "Printing.h"
#include "ui/Form.h"

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Print Menu!": the printer, the ink colour and one of five printouts. The printer picked
// becomes the current printer at once, even when the window is cancelled; the colour is
// stored at each click; the print colour itself is set only by Print.
class frmPrint : public Form {
    Q_OBJECT
public:
    static constexpr int kChoices = 5;
    static constexpr int kColors = 7;
    // The print colours by option index, as 0x00BBGGRR values.
    static constexpr std::array<quint32, kColors> kColorValues{
        0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FFFF};

    frmPrint(AppContext& app, QWidget* owner);
    ~frmPrint() override { disconnectChildren(); }

    void Form_Load();

    QLabel* Label1;
    QComboBox* cboPrinter;
    QGroupBox* Frame1;
    std::array<QRadioButton*, kChoices> Option1{};
    QGroupBox* Frame2;
    std::array<QRadioButton*, kColors> optColor{};
    QPushButton* cmdPrint;
    QPushButton* cmdPreview;
    QPushButton* cmdCancel;

public slots:
    void cboPrinter_Click();
    void optColor_Click(int index);
    void cmdPrint_Click();
    void cmdPreview_Click();
    void cmdCancel_Click();

protected:
    // Without a preset choice, the first choice in keyboard order takes the focus and is
    // chosen with it.
    void showEvent(QShowEvent* event) override;

private:
    void buildChoices();
    void buildColors();
    void fillPrinters();
    std::optional<PrintChoice> chosenPrintout() const;
    std::optional<quint32> chosenColor() const;
};

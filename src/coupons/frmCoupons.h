#pragma once

#include "ui/Form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The coupon sites: after the user accepts the terms, opens the chosen or typed address
// in the browser.
class frmCoupons : public Form {
    Q_OBJECT
public:
    explicit frmCoupons(AppContext& app, QWidget* parent = nullptr);

    // Lists the kept addresses; the agreement starts cleared and the address box unusable.
    void Form_Load();

    QLabel* Label1;
    QCheckBox* Check1;
    QGroupBox* Frame1;
    QComboBox* cboAddress;
    QPushButton* cmdGo;
    QPushButton* cmdLinks;

public slots:
    void Check1_Click();
    void cmdGo_Click();
    void cmdLinks_Click();
    void mnuExit_Click();

private:
    void setAddressUsable(bool usable);
};

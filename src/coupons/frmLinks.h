#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Edits the kept coupon addresses. The list lives in `lstLink` until the window closes,
// which writes it back as a whole.
class frmLinks : public Form {
    Q_OBJECT
public:
    explicit frmLinks(AppContext& app, QWidget* parent = nullptr);

    void Form_Load();

    QLabel* Label1;
    QLineEdit* txtLink;
    QPushButton* cmdAdd;
    QListWidget* lstLink;
    QPushButton* cmdDelete;

public slots:
    void cmdAdd_Click();
    void cmdDelete_Click();
    void lstLink_KeyUp(int key);
    void mnuExit_Click();

protected:
    // Stores the list, with a link typed but not added; a failed write says so and keeps
    // the window open with the list as it is.
    bool Form_Unload() override;
};

#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A short message to the maker, from the address the data file holds, sent by mail.
class frmeMail : public Form {
    Q_OBJECT
public:
    static constexpr int kMaxSubject = 50;
    static constexpr int kMaxMessage = 1000;

    explicit frmeMail(AppContext& app, QWidget* parent = nullptr);

    // Shows the stored sender address; subject and message start empty.
    void Form_Load();

    QLabel* Label4;
    QLineEdit* txteMail;
    QLabel* Label1;
    QLineEdit* txtSubject;
    QLabel* Label2;
    QPlainTextEdit* txtBody;
    QPushButton* Command1;

public slots:
    void Command1_Click();
    void txtBody_Change();
    void mnuClose_Click();

protected:
    // Stays open while a message is on its way.
    bool Form_Unload() override;

private:
    bool m_sending = false;
};

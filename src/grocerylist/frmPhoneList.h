#pragma once

#include "ui/Form.h"

#include <QImage>
#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;

// Draws one QR code as large as whole pixels per module allow, centred on white.
class QrPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setCode(const QImage& code);
    // The code as drawn: each module a square of whole pixels, quiet zone included.
    QImage drawnCode() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_code;
};

// "Send to Phone!": the list's text as QR codes a phone camera reads, one at a time, with
// Previous and Next when the text needs more than one.
class frmPhoneList : public Form {
    Q_OBJECT
public:
    // The picture's side; it decides how large a code may grow.
    static constexpr int kPictureTwips = 5400;

    // `name` names the saved images; `text` is what the codes hold.
    frmPhoneList(AppContext& app, const QString& name, const QString& text,
                 QWidget* parent = nullptr);
    ~frmPhoneList() override { disconnectChildren(); }

    QrPicture* picCode;
    QLabel* lblPage;
    QPushButton* cmdPrevious;
    QPushButton* cmdNext;
    QPushButton* cmdSaveImage;
    QPushButton* cmdClose;

public slots:
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdSaveImage_Click();
    void cmdClose_Click();

private:
    void showPage(int page);

    QString m_name;
    QList<QImage> m_codes;
    int m_page = 0;
};

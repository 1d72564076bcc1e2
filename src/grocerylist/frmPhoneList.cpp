#include "frmPhoneList.h"

#include "domain/Files.h"
#include "domain/QrCodes.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

void QrPicture::setCode(const QImage& code) {
    m_code = code;
    update();
}

QImage QrPicture::drawnCode() const {
    if (m_code.isNull())
        return {};
    const int scale = std::max(std::min(width(), height()) / m_code.width(), 1);
    return m_code.scaled(m_code.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void QrPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QImage drawn = drawnCode();
    painter.drawImage((width() - drawn.width()) / 2, (height() - drawn.height()) / 2, drawn);
}

frmPhoneList::frmPhoneList(AppContext& app, const QString& name, const QString& text,
                           QWidget* parent)
    : Form(app, QStringLiteral("frmPhoneList"), QStringLiteral("Send to Phone!"), parent),
      m_name(name) {
    setClientSize(5880, 6735);
    picCode = place<QrPicture>(QStringLiteral("picCode"), 240, 240, kPictureTwips, kPictureTwips);
    lblPage = place<QLabel>(QStringLiteral("lblPage"), 240, 5760, kPictureTwips, 255);
    lblPage->setAlignment(Qt::AlignCenter);
    const auto button = [this](const QString& name, const QString& caption, int left, int width) {
        auto* created = place<QPushButton>(name, left, 6120, width, 375);
        created->setText(caption);
        return created;
    };
    cmdPrevious = button(QStringLiteral("cmdPrevious"), QStringLiteral("Previous"), 240, 1215);
    cmdNext = button(QStringLiteral("cmdNext"), QStringLiteral("Next"), 1575, 1215);
    cmdSaveImage =
        button(QStringLiteral("cmdSaveImage"), QStringLiteral("Save Image..."), 2910, 1455);
    cmdClose = button(QStringLiteral("cmdClose"), QStringLiteral("Close"), 4485, 1155);
    setCancelButton(cmdClose);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmPhoneList::cmdPrevious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmPhoneList::cmdNext_Click);
    connect(cmdSaveImage, &QPushButton::clicked, this, &frmPhoneList::cmdSaveImage_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmPhoneList::cmdClose_Click);
    PaintBackgrounds(app.settings.BackGroundColor, {this});

    // Modules of a few pixels at the picture's size keep every code readable off a screen.
    const int side = std::min(picCode->width(), picCode->height());
    m_codes = QrCodeImages(text, LargestQrVersion(side));
    showPage(0);
}

void frmPhoneList::showPage(int page) {
    m_page = std::clamp(page, 0, std::max(int(m_codes.size()) - 1, 0));
    picCode->setCode(m_codes.value(m_page));
    lblPage->setText(QStringLiteral("%1 of %2").arg(m_page + 1).arg(m_codes.size()));
    cmdPrevious->setEnabled(m_page > 0);
    cmdNext->setEnabled(m_page + 1 < m_codes.size());
}

void frmPhoneList::cmdPrevious_Click() {
    showPage(m_page - 1);
}

void frmPhoneList::cmdNext_Click() {
    showPage(m_page + 1);
}

void frmPhoneList::cmdSaveImage_Click() {
    const QString title =
        m_codes.size() > 1 ? QStringLiteral("%1 (%2)").arg(m_name, lblPage->text()) : m_name;
    const std::optional<QString> path = app().platform().fileChoosers().saveFile(
        this, QStringLiteral("Save Image"),
        SuggestedFilePath(title, QStringLiteral("Grocery List"), QStringLiteral("png")),
        QStringLiteral("PNG image (*.png)"));
    if (!path)
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picCode->drawnCode().save(&buffer, "PNG") || !WriteWholeFile(*path, png))
        reportFailure(QStringLiteral("The image could not be saved to %1!")
                          .arg(QDir::toNativeSeparators(*path)));
}

void frmPhoneList::cmdClose_Click() {
    close();
}

#include "QrCodes.h"

#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <array>
#include <new>
#include <qrencode.h>

namespace {

// Bytes a code holds in 8-bit mode at level M, by version.
constexpr std::array<int, kMaxQrVersion> kByteCapacity{
    14,   26,   42,   62,   84,   106,  122,  152,  180,  213,  251,  287,  331,  362,
    412,  450,  504,  560,  624,  666,  711,  779,  857,  911,  997,  1059, 1125, 1190,
    1264, 1370, 1452, 1538, 1628, 1722, 1809, 1911, 1989, 2099, 2213, 2331};

int ModulesAcross(int version) {
    return 17 + 4 * version;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

int LargestQrVersion(int pixels, int modulePixels) {
    const int modules = pixels / std::max(modulePixels, 1) - 2 * kQuietZoneModules;
    return std::clamp((modules - ModulesAcross(0)) / 4, 1, kMaxQrVersion);
}

int QrByteCapacity(int version) {
    return kByteCapacity[size_t(std::clamp(version, 1, kMaxQrVersion) - 1)];
}

QList<QByteArray> SplitForQrCodes(const QByteArray& text, int maxVersion) {
    const qsizetype capacity = QrByteCapacity(maxVersion);
    QList<QByteArray> pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start + capacity;
        if (end >= text.size()) {
            end = text.size();
        } else {
            // After the last line end that fits; a line longer than a whole code is cut
            // before the character that would not fit.
            const qsizetype lineEnd = text.lastIndexOf('\n', end - 1);
            if (lineEnd >= start) {
                end = lineEnd + 1;
            } else {
                while (end > start + 1 && IsContinuationByte(text[end]))
                    --end;
            }
        }
        pieces.append(text.sliced(start, end - start));
        start = end;
    }
    return pieces;
}

QImage QrCodeImage(const QByteArray& data) {
    QRcode* code = QRcode_encodeData(int(data.size()),
                                     reinterpret_cast<const unsigned char*>(data.constData()), 0,
                                     QR_ECLEVEL_M);
    // Pieces are cut to fit, so only a lack of memory stops the encoder.
    if (!code)
        throw std::bad_alloc();
    const int across = code->width + 2 * kQuietZoneModules;
    QImage image(across, across, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y) {
        uchar* row = image.scanLine(y + kQuietZoneModules) + kQuietZoneModules;
        const unsigned char* modules = code->data + y * code->width;
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each module tells dark from light.
            if (modules[x] & 1)
                row[x] = 0;
        }
    }
    QRcode_free(code);
    return image;
}

QList<QImage> QrCodeImages(const QString& text, int maxVersion) {
    // Choosing each code's mask pattern is most of the work; the codes do not depend on
    // each other, so they are made side by side.
    return QtConcurrent::blockingMapped(SplitForQrCodes(text.toUtf8(), maxVersion), QrCodeImage);
}

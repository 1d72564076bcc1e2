#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// QR codes that phone cameras read as text: UTF-8 bytes in 8-bit mode, error correction
// level M.

// A phone reads a code off a screen reliably when each module is at least this many pixels.
constexpr int kMinModulePixels = 4;
// The blank margin, in modules, that readers need around a code.
constexpr int kQuietZoneModules = 4;
constexpr int kMaxQrVersion = 40;

// The largest version whose code, quiet zone included, fits a square of `pixels` with
// modules of at least `modulePixels`; never below 1.
int LargestQrVersion(int pixels, int modulePixels = kMinModulePixels);

// How many bytes a code of `version` (1 to 40) holds.
int QrByteCapacity(int version);

// `text` cut into as few pieces as fit codes of at most `maxVersion`, each cut after a line
// end where it can be; a line longer than one code is cut between two UTF-8 characters.
// Joined, the pieces are `text` exactly.
QList<QByteArray> SplitForQrCodes(const QByteArray& text, int maxVersion);

// The code holding `data`, one pixel per module, black on white, quiet zone included.
QImage QrCodeImage(const QByteArray& data);

// `text` in as few codes as fit `maxVersion`, in reading order.
QList<QImage> QrCodeImages(const QString& text, int maxVersion);

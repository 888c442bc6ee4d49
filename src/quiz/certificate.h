// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate printed after a perfect score: a "Well Done" banner at the
// top and bottom, the product title, the subject, "Excellent Work", the
// pupil's name and the score, all centred, inside a frame of five nested
// rectangles with a second frame of three in the lower middle of the page.

#include <QString>

namespace platform {
class Printer;
}

namespace quiz {

// Messages for the results screen to show around printCertificate.
inline const QString kCertificatePrinting = QStringLiteral("Your certificate is now printing.");
inline const QString kCertificateCancelled = QStringLiteral("Printing has been cancelled.");

struct Certificate {
    QString subject; // certificateSubject
    // The subject's width in the results screen's own font, in twips; a
    // subject wider than a quarter of the page is printed smaller.
    double subjectWidth = 0;
    QString name; // as typed in the name box
    int score = 0;
    int total = 0;
};

// Prints the page and ends the document. A platform::PrinterError stops it
// at the failing step, without ending the document, and reaches the caller.
void printCertificate(platform::Printer& printer, const Certificate& certificate);

} // namespace quiz

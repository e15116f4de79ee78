#pragma once

#include "core/reports/page.h"

#include <QImage>

class QPainter;

// Draws report pages. Latin text and digits take a Latin font and Chinese characters a Chinese
// one, run by run, so that every word and number of a PDF can be searched and copied.
namespace report {

QString latinFamily();
QString chineseFamily();

// Draws the page with its top-left corner at the origin of the painter's device, whose
// resolution gives the size of a millimetre.
void paintPage(QPainter& painter, const Page& page);

// The page as an image with this many pixels to the millimetre, for the preview.
QImage pageImage(const Page& page, double pixelsPerMillimetre);

} // namespace report

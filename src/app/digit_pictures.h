#pragma once

#include "segments.h"

#include <QPixmap>
#include <QString>

// The digit picture and the lit-segment pictures from the resources. Screens with a device
// pixel ratio above 1 get the double-resolution drawing, marked with ratio 2 so the picture
// keeps its size in the window and stays sharp.
QPixmap digitPicture(const QString& name, qreal devicePixelRatio);

// The picture of segment s lit.
QPixmap litSegmentPicture(tamrik::Segment s, qreal devicePixelRatio);

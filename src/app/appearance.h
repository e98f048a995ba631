#pragma once

#include <QColor>
#include <QString>

class QWidget;

// The windows give fonts as character heights in pixels, which .ui files cannot hold.
void setPixelFont(QWidget* widget, const QString& family, int pixelHeight, bool bold = false,
                  bool underline = false);
// Text colour of labels, edit boxes and memos alike.
void setTextColor(QWidget* widget, const QColor& color);

// Makes "Tahoma" resolve to its metric twin from Wine's fonts when that package is installed;
// fontconfig does not search Wine's folder, and without it "Tahoma" falls back to DejaVu Sans.
void registerFonts();

inline const QString kTahoma = QStringLiteral("Tahoma");
inline const QString kTimesNewRoman = QStringLiteral("Times New Roman");

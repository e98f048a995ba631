#pragma once

// The artwork generator: each drawing file registers itself; running the generator writes
// every picture into the given folder (normally resources/).

#include <QDir>
#include <QString>

#include <functional>

using Drawing = std::function<void(const QDir& outputFolder)>;

// Called from a static initialiser in each drawing file; returns true for that purpose.
bool registerDrawing(const QString& name, Drawing drawing);

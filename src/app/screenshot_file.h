#pragma once
// Writes a picture to a file the user named, without following a link planted in its
// place: the picture goes to a new temporary file in the same folder, which is then
// renamed over the name (a symbolic link there is replaced, its target left alone).
#include <QString>

class QImage;

// True when the PNG was written; otherwise *error (when given) tells why.
bool SaveImageFile(const QImage& image, const QString& path, QString* error = nullptr);

#pragma once
// An ISO 9660 image of a folder for tests, made by xorriso.
#include <QString>
#include <QStringList>

// Writes image from folder's contents with xorriso's extra options (naming,
// volume id); returns xorriso's complaint, empty when the image was made.
QString BuildIsoImage(const QString& image, const QString& folder, const QStringList& options = {});

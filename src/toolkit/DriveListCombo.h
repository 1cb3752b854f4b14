#pragma once
// A drop-down of drives: shows each drive's caption, yields its path.
#include "cd/DriveList.h"

#include <QComboBox>

class CDriveListCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit CDriveListCombo(QWidget* parent = nullptr);

    void SetDrives(const std::vector<DriveEntry>& drives);
    // Selects the drive with this path (a trailing '/' does not matter),
    // adding it when the list lacks it; an empty path selects the first.
    void SelectPath(const QString& path);
    QString SelectedPath() const;

    // Ends the list with "Disc Image..." which asks for an image file
    // (nameFilter as a file dialog takes it) that then stands in for a drive.
    void OfferImages(const QString& nameFilter);

    static const QString kImageEntry;
    // Filters for OfferImages: images of any disc, or of data discs only.
    static const QString kAnyDiscImages;
    static const QString kDataDiscImages;

private:
    void ChooseImage();
    int ImageEntryIndex() const;

    QString m_imageFilter;
    int m_lastDrive = -1;
};

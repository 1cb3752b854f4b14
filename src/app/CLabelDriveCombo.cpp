#include "app/CLabelDriveCombo.h"

#include "document/CPreferences.h"

CLabelDriveCombo::CLabelDriveCombo(QWidget* parent) : CDriveListCombo(parent)
{
    setObjectName(QStringLiteral("LabelDrive"));
    setToolTip(QStringLiteral("The drive Read Drive reads and CDDB looks up"));
    setMinimumContentsLength(16);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // An ISO image is read as the disc it holds; a CUE sheet is looked up as an audio CD.
    OfferImages(kAnyDiscImages);
    Refresh();
    connect(this, &QComboBox::activated, this, &CLabelDriveCombo::StoreChoice);
}

void CLabelDriveCombo::Refresh()
{
    SetDrives(ListDrives());
    SelectPath(CPreferences::Instance().LabelDrive());
}

void CLabelDriveCombo::showPopup()
{
    Refresh();
    CDriveListCombo::showPopup();
}

void CLabelDriveCombo::StoreChoice()
{
    const QString chosen = SelectedPath();
    if (!chosen.isEmpty() && chosen != CPreferences::Instance().LabelDrive())
        CPreferences::Instance().SetLabelDrive(chosen);
}

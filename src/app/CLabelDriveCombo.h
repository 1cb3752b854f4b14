#pragma once
// The drive bar's drive list: shows the preferences' label drive (the one
// Read Drive reads and the CDDB dialog starts on) and makes the drive the
// person picks the label drive. The list is read again whenever it opens,
// so a disc mounted or a stick plugged in meanwhile shows up.
#include "toolkit/DriveListCombo.h"

class CLabelDriveCombo : public CDriveListCombo
{
    Q_OBJECT
public:
    explicit CLabelDriveCombo(QWidget* parent = nullptr);

    // The drives as the system has them now, the label drive selected.
    void Refresh();
    void showPopup() override;

private:
    void StoreChoice();
};

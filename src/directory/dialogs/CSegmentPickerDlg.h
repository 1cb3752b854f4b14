#pragma once
// "Segment Selection": which directory segment a drive read should update.
#include <QDialog>

class QComboBox;

class CSegmentPickerDlg : public QDialog
{
    Q_OBJECT
public:
    // names: the document's segment names in list order; the first is chosen.
    explicit CSegmentPickerDlg(const QStringList& names, QWidget* parent = nullptr);

    QString SelectedName() const;

private:
    QComboBox* m_names;
};

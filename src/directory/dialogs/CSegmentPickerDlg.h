#pragma once
// "Segment Selection": which directory segment a drive read should update.
// The segments of the name shown carry their red frame meanwhile.
#include <QDialog>

#include <memory>

class CDrawingEngine;
class CSegmentHighlight;
class QComboBox;

class CSegmentPickerDlg : public QDialog
{
    Q_OBJECT
public:
    // names: the document's segment names in list order; the first is chosen.
    // engine: whose segments are highlighted (may be null).
    explicit CSegmentPickerDlg(const QStringList& names, CDrawingEngine* engine = nullptr, QWidget* parent = nullptr);
    ~CSegmentPickerDlg() override;

    QString SelectedName() const;
    QComboBox* Names() const { return m_names; }

private:
    QComboBox* m_names;
    std::unique_ptr<CSegmentHighlight> m_highlight;
};

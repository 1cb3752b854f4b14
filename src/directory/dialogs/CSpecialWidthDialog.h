#pragma once
// "Special Width": the column-width presets of every kind of label as radio
// buttons; OK yields the chosen width and kind and offers the segment the
// kind's typical size.
#include <QDialog>

#include <optional>

class CDirectorySegment;
class QButtonGroup;
struct LabelKind;

class CSpecialWidthDialog : public QDialog
{
    Q_OBJECT
public:
    // A preset whose width equals columnWidth exactly starts checked (only
    // among the segment's own kind when it has one). segment may be null.
    CSpecialWidthDialog(double columnWidth, CDirectorySegment* segment, QWidget* parent = nullptr);

    // After OK with a preset checked; until then the width given and "None".
    double ColumnWidth() const { return m_columnWidth; }
    QString KindText() const { return m_kindText; }
    bool PresetChosen() const { return m_chosen != nullptr; }

    QButtonGroup* Presets() const { return m_presets; }
    // OK with no preset checked changes nothing, as Cancel does.
    void accept() override;

private:
    struct Preset
    {
        const LabelKind* kind;
        int columns;
    };

    CDirectorySegment* m_segment;
    QButtonGroup* m_presets;
    std::vector<Preset> m_buttons; // by button id
    double m_columnWidth;
    QString m_kindText = QStringLiteral("None");
    const LabelKind* m_chosen = nullptr;
};

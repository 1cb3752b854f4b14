#pragma once
// The directory dialog's two pages, "Display Preferences" and "File
// Options": the controls of the directory display settings.
#include "base/Geometry.h"
#include "directory/DirectoryDisplaySettings.h"

#include <QTabWidget>

#include <utility>
#include <vector>

class CColorPickerCombo;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CDirectorySettingsPages : public QTabWidget
{
    Q_OBJECT
public:
    explicit CDirectorySettingsPages(QWidget* parent = nullptr);

    // Shows the settings (the depth too) and the column width with "%.2f".
    void Show(const CDirectoryDisplaySettings& settings);
    // Reads the check boxes, size unit, date format and column width into
    // settings; the depth is not read (it is stored as soon as it is chosen).
    // The width stays as it was when the field holds no positive number.
    void Read(CDirectoryDisplaySettings& settings) const;

    void ShowColumnWidth(double inches);
    // Hides the text colour, "Special..." and disables the width field when
    // there is no directory segment to show them for.
    void SetSegmentControlsAvailable(bool available);

    CColorPickerCombo* TextColor() const { return m_textColor; }
    QPushButton* SpecialButton() const { return m_special; }
    QPushButton* DeleteFiletypesButton() const { return m_deleteFiletypes; }
    QComboBox* DepthList() const { return m_depth; }
    QComboBox* DateFormat() const { return m_dateFormat; }
    QLineEdit* ColumnWidth() const { return m_columnWidth; }

    // "Show None" 0 ... "4 Level" 4, "Show All Levels" 999.
    static int DepthOfEntry(int index);

signals:
    void depthChosen(int depth);

private:
    static QString WidthText(double inches);
    // Each check box with the setting it shows.
    std::vector<std::pair<QCheckBox*, int CDirectoryDisplaySettings::*>> CheckBoxes() const;
    QWidget* MakeDisplayPage();
    QWidget* MakeFileOptionsPage();

    QComboBox* m_depth;
    QLineEdit* m_columnWidth;
    QPushButton* m_special;
    QCheckBox* m_columnSeparators;
    QCheckBox* m_underlineRows;
    QCheckBox* m_dirLines;
    QCheckBox* m_dirAlwaysBold;
    QCheckBox* m_showDirectories;
    QLabel* m_textColorLabel;
    CColorPickerCombo* m_textColor;
    QCheckBox* m_showFiles;
    QCheckBox* m_showExtension;
    QCheckBox* m_showSize;
    QComboBox* m_sizeUnits;
    QCheckBox* m_showFileDate;
    QComboBox* m_dateFormat;
    QCheckBox* m_showSongLength;
    QPushButton* m_deleteFiletypes;
    double m_shownWidth = 0.0;
};

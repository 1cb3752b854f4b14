#include "directory/dialogs/CDirectorySettingsPages.h"

#include "toolkit/ColorPickerCombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kAllLevels = 999;
constexpr int kDeepestListed = 4;

QCheckBox* Check(const QString& text, const char* name)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

CDirectorySettingsPages::CDirectorySettingsPages(QWidget* parent)
    : QTabWidget(parent)
{
    addTab(MakeDisplayPage(), tr("Display Preferences"));
    addTab(MakeFileOptionsPage(), tr("File Options"));
}

QWidget* CDirectorySettingsPages::MakeDisplayPage()
{
    m_depth = new QComboBox;
    m_depth->addItems({tr("Show None"), tr("1 Level"), tr("2 Level"), tr("3 Level"), tr("4 Level"),
                       tr("Show All Levels")});
    m_columnWidth = new QLineEdit;
    m_columnWidth->setObjectName(QStringLiteral("ColumnWidth"));
    m_special = new QPushButton(tr("Special..."));
    m_columnSeparators = Check(tr("Show Column Separators"), "ColumnSeparators");
    m_underlineRows = Check(tr("Underline Rows"), "UnderlineRows");
    m_dirLines = Check(tr("Show Directory Lines"), "DirLines");
    m_dirAlwaysBold = Check(tr("Directories Always Bold"), "DirAlwaysBold");
    m_showDirectories = Check(tr("Show Directories"), "ShowDirectories");
    m_textColorLabel = new QLabel(tr("Text Color :"));
    m_textColor = new CColorPickerCombo;

    auto* width = new QHBoxLayout;
    width->addWidget(m_columnWidth);
    width->addWidget(m_special);
    auto* form = new QFormLayout;
    form->addRow(tr("Subdirectories :"), m_depth);
    form->addRow(tr("Column Width:"), width);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    for (QCheckBox* box : {m_columnSeparators, m_underlineRows, m_dirLines, m_dirAlwaysBold, m_showDirectories})
        layout->addWidget(box);
    auto* color = new QHBoxLayout;
    color->addWidget(m_textColorLabel);
    color->addWidget(m_textColor, 1);
    layout->addLayout(color);
    layout->addStretch();

    connect(m_depth, &QComboBox::activated, this, [this](int index) { emit depthChosen(DepthOfEntry(index)); });
    return page;
}

QWidget* CDirectorySettingsPages::MakeFileOptionsPage()
{
    m_showFiles = Check(tr("Show Files"), "ShowFiles");
    m_showExtension = Check(tr("Show Extension"), "ShowExtension");
    m_showSize = Check(tr("Show Size in"), "ShowSize");
    m_sizeUnits = new QComboBox;
    m_sizeUnits->addItems({QStringLiteral("B"), QStringLiteral("K"), QStringLiteral("M")});
    m_showFileDate = Check(tr("Show File Date"), "ShowFileDate");
    m_dateFormat = new QComboBox;
    m_dateFormat->setEditable(true);
    m_dateFormat->addItems({QStringLiteral("%d/%b/%Y"), QStringLiteral("%d-%b-%y"), QStringLiteral("%Y-%b-%d"),
                            QStringLiteral("%y-%b-%d")});
    m_showSongLength = Check(tr("Show Length if MP3, VOC or WAV"), "ShowSongLength");
    m_deleteFiletypes = new QPushButton(tr("Delete Filetypes..."));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_showFiles);
    layout->addWidget(m_showExtension);
    auto* size = new QHBoxLayout;
    size->addWidget(m_showSize);
    size->addWidget(m_sizeUnits);
    size->addStretch();
    layout->addLayout(size);
    auto* date = new QHBoxLayout;
    date->addWidget(m_showFileDate);
    date->addWidget(m_dateFormat, 1);
    layout->addLayout(date);
    layout->addWidget(m_showSongLength);
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_deleteFiletypes);
    layout->addLayout(bottom);
    return page;
}

int CDirectorySettingsPages::DepthOfEntry(int index)
{
    return index > kDeepestListed ? kAllLevels : index;
}

std::vector<std::pair<QCheckBox*, int CDirectoryDisplaySettings::*>> CDirectorySettingsPages::CheckBoxes() const
{
    using S = CDirectoryDisplaySettings;
    return {{m_columnSeparators, &S::columnSeparators}, {m_underlineRows, &S::underlineRows},
            {m_dirLines, &S::showDirLines},             {m_dirAlwaysBold, &S::dirAlwaysBold},
            {m_showDirectories, &S::showDirectories},   {m_showFiles, &S::showFiles},
            {m_showExtension, &S::showExtension},       {m_showSize, &S::showSize},
            {m_showFileDate, &S::showFileDate},         {m_showSongLength, &S::showSongLength}};
}

void CDirectorySettingsPages::Show(const CDirectoryDisplaySettings& s)
{
    m_depth->setCurrentIndex(s.dirDepth > kDeepestListed ? kDeepestListed + 1 : std::max(s.dirDepth, 0));
    ShowColumnWidth(s.columnWidth);
    for (const auto& [box, field] : CheckBoxes())
        box->setChecked(s.*field);
    const int unit = m_sizeUnits->findText(s.sizeUnits);
    m_sizeUnits->setCurrentIndex(unit >= 0 ? unit : 1);
    m_dateFormat->setEditText(s.showFileDateFormat);
}

void CDirectorySettingsPages::Read(CDirectoryDisplaySettings& s) const
{
    for (const auto& [box, field] : CheckBoxes())
        s.*field = box->isChecked() ? 1 : 0;
    s.sizeUnits = m_sizeUnits->currentText();
    s.showFileDateFormat = m_dateFormat->currentText();
    const QString text = m_columnWidth->text().trimmed();
    // The field shows two places; a preset that fits its columns to a label
    // needs all of them, so an untouched field keeps the exact width.
    if (text == WidthText(m_shownWidth)) {
        s.columnWidth = m_shownWidth;
        return;
    }
    // A width that is no positive number would leave no room for any row.
    bool ok = false;
    const double width = text.toDouble(&ok);
    if (ok && width > 0.0)
        s.columnWidth = width;
}

QString CDirectorySettingsPages::WidthText(double inches)
{
    return QString::asprintf("%.2f", inches);
}

void CDirectorySettingsPages::ShowColumnWidth(double inches)
{
    m_shownWidth = inches;
    m_columnWidth->setText(WidthText(inches));
}

void CDirectorySettingsPages::SetSegmentControlsAvailable(bool available)
{
    m_textColorLabel->setVisible(available);
    m_textColor->setVisible(available);
    m_special->setVisible(available);
    m_columnWidth->setEnabled(available);
}

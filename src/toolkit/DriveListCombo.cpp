#include "toolkit/DriveListCombo.h"

#include <QFileDialog>

namespace {

QString WithoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// The item data of the image entry: never a path.
const QVariant kImageMarker = QVariant::fromValue(QStringLiteral("\n<image>"));

} // namespace

const QString CDriveListCombo::kImageEntry = QStringLiteral("Disc Image...");
const QString CDriveListCombo::kAnyDiscImages = QStringLiteral("Disc images (*.iso *.cue *.toc *.nrg *.ISO *.CUE *.TOC *.NRG)");
const QString CDriveListCombo::kDataDiscImages = QStringLiteral("ISO 9660 disc images (*.iso *.ISO)");

CDriveListCombo::CDriveListCombo(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == ImageEntryIndex())
            ChooseImage();
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index != ImageEntryIndex())
            m_lastDrive = index;
    });
}

void CDriveListCombo::SetDrives(const std::vector<DriveEntry>& drives)
{
    clear();
    for (const DriveEntry& drive : drives)
        addItem(drive.caption, drive.path);
    if (!m_imageFilter.isEmpty())
        addItem(kImageEntry, kImageMarker);
}

void CDriveListCombo::OfferImages(const QString& nameFilter)
{
    const bool offered = !m_imageFilter.isEmpty();
    m_imageFilter = nameFilter;
    if (!offered)
        addItem(kImageEntry, kImageMarker);
}

int CDriveListCombo::ImageEntryIndex() const
{
    return m_imageFilter.isEmpty() ? -1 : findData(kImageMarker);
}

void CDriveListCombo::SelectPath(const QString& path)
{
    if (path.isEmpty()) {
        setCurrentIndex(count() > 0 && ImageEntryIndex() != 0 ? 0 : -1);
        return;
    }
    const QString wanted = WithoutTrailingSlash(path);
    for (int i = 0; i < count(); ++i) {
        if (i != ImageEntryIndex() && WithoutTrailingSlash(itemData(i).toString()) == wanted) {
            setCurrentIndex(i);
            return;
        }
    }
    const int at = ImageEntryIndex() >= 0 ? ImageEntryIndex() : count();
    insertItem(at, path, path);
    setCurrentIndex(at);
}

QString CDriveListCombo::SelectedPath() const
{
    return currentIndex() == ImageEntryIndex() ? QString() : currentData().toString();
}

void CDriveListCombo::ChooseImage()
{
    QFileDialog dialog(this, QStringLiteral("Choose a Disc Image"), QString(), m_imageFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        SelectPath(dialog.selectedFiles().constFirst());
        return;
    }
    setCurrentIndex(m_lastDrive);
}

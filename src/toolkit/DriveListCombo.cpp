#include "toolkit/DriveListCombo.h"

namespace {

QString WithoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

CDriveListCombo::CDriveListCombo(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void CDriveListCombo::SetDrives(const std::vector<DriveEntry>& drives)
{
    clear();
    for (const DriveEntry& drive : drives)
        addItem(drive.caption, drive.path);
}

void CDriveListCombo::SelectPath(const QString& path)
{
    if (path.isEmpty()) {
        setCurrentIndex(count() > 0 ? 0 : -1);
        return;
    }
    const QString wanted = WithoutTrailingSlash(path);
    for (int i = 0; i < count(); ++i) {
        if (WithoutTrailingSlash(itemData(i).toString()) == wanted) {
            setCurrentIndex(i);
            return;
        }
    }
    addItem(path, path);
    setCurrentIndex(count() - 1);
}

QString CDriveListCombo::SelectedPath() const
{
    return currentData().toString();
}

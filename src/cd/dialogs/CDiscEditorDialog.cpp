#include "cd/dialogs/CDiscEditorDialog.h"

#include "cd/CCddbClient.h"
#include "toolkit/DialogButtons.h"

#include <QDialogButtonBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* Field(QFormLayout* form, const QString& caption, const QString& objectName, const QString& value)
{
    auto* edit = new QLineEdit(value);
    edit->setObjectName(objectName);
    form->addRow(caption, edit);
    return edit;
}

// Stores an edited text escaped; true when it differs from what was there.
bool Store(QString& stored, const QString& edited)
{
    const QString escaped = CddbEscape(edited);
    if (escaped == stored)
        return false;
    stored = escaped;
    return true;
}

} // namespace

CDiscEditorDialog::CDiscEditorDialog(CCddbDisc& disc, int flags, QWidget* parent)
    : QDialog(parent)
    , m_disc(disc)
    , m_newDisc(flags & CCddbClient::EditNewDisc)
{
    setObjectName(QStringLiteral("CDiscEditorDialog"));
    setWindowTitle(m_newDisc ? QStringLiteral("New CDDB Disc") : QStringLiteral("CDDB Disc Information"));
    auto* form = new QFormLayout;
    m_artist = Field(form, QStringLiteral("&Artist:"), QStringLiteral("artist"), disc.Artist());
    m_title = Field(form, QStringLiteral("&Title:"), QStringLiteral("title"), disc.Title());
    m_year = Field(form, QStringLiteral("&Year:"), QStringLiteral("year"), CddbUnescape(disc.record.dyear));
    m_genre = Field(form, QStringLiteral("&Genre:"), QStringLiteral("genre"), CddbUnescape(disc.record.dgenre));
    m_category = new QComboBox;
    m_category->setObjectName(QStringLiteral("category"));
    m_category->addItems(CddbCategories());
    m_category->setCurrentText(disc.category.isEmpty() ? QStringLiteral("misc") : disc.category);
    // The category is where a database entry lives; only a new disc chooses.
    m_category->setEnabled(m_newDisc);
    form->addRow(QStringLiteral("&Category:"), m_category);
    m_extended = new QPlainTextEdit(CddbUnescape(disc.ExtendedData()));
    m_extended->setObjectName(QStringLiteral("extendedData"));
    form->addRow(QStringLiteral("E&xtended data:"), m_extended);

    m_tracks = new QTableWidget(disc.TrackCount(), 2);
    m_tracks->setObjectName(QStringLiteral("tracks"));
    m_tracks->setHorizontalHeaderLabels({QStringLiteral("Title"), QStringLiteral("Extended data")});
    m_tracks->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int track = 1; track <= disc.TrackCount(); ++track) {
        m_tracks->setItem(track - 1, 0, new QTableWidgetItem(disc.TrackTitle(track)));
        m_tracks->setItem(track - 1, 1, new QTableWidgetItem(CddbUnescape(disc.TrackExtendedData(track))));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_tracks, 1);
    layout->addWidget(MakeOkCancelButtons(this));
    resize(520, 560);
}

void CDiscEditorDialog::accept()
{
    CXmcdRecord& record = m_disc.record;
    QString dtitle = record.dtitle;
    CXmcdRecord edited;
    edited.SetArtistAndTitle(CddbEscape(m_artist->text().trimmed()), CddbEscape(m_title->text().trimmed()));
    bool discChanged = dtitle != edited.dtitle;
    record.dtitle = edited.dtitle;
    discChanged |= Store(record.dyear, m_year->text().trimmed());
    discChanged |= Store(record.dgenre, m_genre->text().trimmed());
    discChanged |= Store(record.extd, m_extended->toPlainText());
    if (m_newDisc)
        m_disc.category = m_category->currentText();
    bool tracksChanged = false;
    for (int row = 0; row < m_tracks->rowCount() && row < record.TrackCount(); ++row) {
        tracksChanged |= Store(record.ttitles[size_t(row)], m_tracks->item(row, 0)->text().trimmed());
        tracksChanged |= Store(record.extts[size_t(row)], m_tracks->item(row, 1)->text());
    }
    if (m_newDisc)
        m_result = CCddbClient::EditedDisc | CCddbClient::EditedTracks;
    else
        m_result = (discChanged ? CCddbClient::EditedDisc : 0) | (tracksChanged ? CCddbClient::EditedTracks : 0);
    QDialog::accept();
}

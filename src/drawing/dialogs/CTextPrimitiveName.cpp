#include "drawing/dialogs/CTextPrimitiveName.h"

#include "base/DateText.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "drawing/CTextPrimitive.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CTextPrimitiveName::CTextPrimitiveName(CTextPrimitive& text, CCovermintDoc& document, QWidget* parent)
    : QDialog(parent)
    , m_text(text)
    , m_document(document)
{
    setWindowTitle(tr("Advanced Text Object"));

    auto* intro = new QLabel(tr("A special text shows stored information and follows it when it changes: "
                                "the CDDB data or the disk size of its directory segment, the label's header, "
                                "or today's date."),
                             this);
    intro->setWordWrap(true);
    auto* hint = new QLabel(tr("Choose \"None\" to make it an ordinary text again."), this);
    hint->setWordWrap(true);

    m_names = new QComboBox(this);
    m_names->setObjectName(QStringLiteral("specialName"));
    m_names->addItems(CTextPrimitive::SpecialNames());
    m_names->setCurrentIndex(CTextPrimitive::SpecialNames().indexOf(text.GetName()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTextPrimitiveName::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_names);
    layout->addWidget(hint);
    layout->addWidget(buttons);
}

void CTextPrimitiveName::accept()
{
    const int index = m_names->currentIndex();
    if (index >= 0) {
        const QString name = m_names->itemText(index);
        m_text.SetName(name);
        m_result = ValueOf(CTextPrimitive::Special(index));
        if (m_result.isEmpty())
            m_result = CTextPrimitive::Placeholder(name);
        m_text.SetText(m_result);
        m_chosen = true;
        m_document.SetModifiedFlag();
        m_document.UpdateAllViews();
    }
    QDialog::accept();
}

QString CTextPrimitiveName::ValueOf(CTextPrimitive::Special special) const
{
    using Special = CTextPrimitive::Special;
    const CLabelHeaderFields& header = m_document.Header();
    switch (special) {
    case Special::None:
        return QString();
    case Special::CurrentDate:
        return TodayDateText();
    case Special::LabelName:
        return header.name;
    case Special::LabelDescription:
        return header.description;
    case Special::LabelAuthor:
        return header.author;
    case Special::LabelCreateDate:
        return header.created;
    default:
        break;
    }

    const CDocumentDirectoryInformation* record = m_document.FindDirectoryInformation(m_text.GetSegmentName());
    if (!record)
        return QString();
    if (special == Special::DiskSize)
        return record->DiskSizeText();
    const CCddbTexts& cddb = record->CddbTexts();
    switch (special) {
    case Special::CddbDiskTitle:
        return cddb.title;
    case Special::CddbTrackListing:
        return cddb.trackListing;
    case Special::CddbExtendedDiskInformation:
        return cddb.extDiscInfo;
    case Special::CddbExtendedTrackInformation:
        return cddb.extTrackInfo;
    default:
        return QString();
    }
}

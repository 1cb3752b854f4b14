#include "directory/dialogs/CDeleteFiletypes.h"

#include "toolkit/DialogButtons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CDeleteFiletypes::CDeleteFiletypes(QWidget* parent)
    : QDialog(parent)
    , m_extension(new QLineEdit(QStringLiteral(".tmp")))
{
    setWindowTitle(tr("Delete Filetypes"));
    auto* text = new QLabel(tr("Enter the extensions for the filetypes you wish to remove.  Your actual files "
                               "will not be deleted from the disk, just from the directory listing.  Remember "
                               "that this cannot be undone."));
    text->setWordWrap(true);
    m_extension->setMaxLength(15);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_extension);
    layout->addWidget(MakeOkCancelButtons(this));
    resize(360, sizeHint().height());
}

QString CDeleteFiletypes::Extension() const
{
    return m_extension->text();
}

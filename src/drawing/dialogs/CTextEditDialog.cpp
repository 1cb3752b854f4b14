#include "drawing/dialogs/CTextEditDialog.h"

#include "document/CCovermintDoc.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/dialogs/CTextPrimitiveName.h"
#include "toolkit/ColorPickerCombo.h"
#include "drawing/dialogs/CFontColorDialog.h"
#include "drawing/PensAndFonts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// List index -> stored justification; "Left Justified" comes first.
constexpr int kJustificationOfIndex[] = {FontSpec::JustifyLeft, FontSpec::JustifyRight, FontSpec::JustifyCenter};

int JustificationIndex(int justification)
{
    for (int i = 0; i < 3; ++i) {
        if (kJustificationOfIndex[i] == justification)
            return i;
    }
    return 0;
}

int RotationIndex(int rotation)
{
    const double degrees = ((rotation % 360) + 360) % 360;
    if (degrees > 269.9)
        return 3;
    if (degrees > 179.9)
        return 2;
    if (degrees > 89.9)
        return 1;
    return 0;
}

// Stored text separates lines with CR LF; the editor works with LF.
QString ToEditorText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString ToStoredText(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

struct CTextEditDialog::Private
{
    CTextPrimitive& text;
    CCovermintDoc& document;
    // Each Apply, font choice and special name is one undo step.
    CEditRecorder record{document.Engine(), QStringLiteral("Text"), text};
    QPlainTextEdit* edit = nullptr;
    QComboBox* justification = nullptr;
    QComboBox* rotation = nullptr;
    CColorPickerCombo* color = nullptr;
};

CTextEditDialog::CTextEditDialog(CTextPrimitive& text, CCovermintDoc& document, QWidget* parent)
    : QDialog(parent)
    , d(new Private{text, document})
{
    setWindowTitle(tr("Text Editing"));

    d->edit = new QPlainTextEdit(this);
    d->edit->setObjectName(QStringLiteral("text"));
    d->edit->setPlainText(ToEditorText(text.Text()));

    d->justification = new QComboBox(this);
    d->justification->setObjectName(QStringLiteral("justification"));
    d->justification->addItems({tr("Left Justified"), tr("Right Justified"), tr("Centered")});
    d->justification->setCurrentIndex(JustificationIndex(text.Font().justification));

    d->rotation = new QComboBox(this);
    d->rotation->setObjectName(QStringLiteral("rotation"));
    d->rotation->addItems({tr("0 Degrees"), tr("90 Degrees"), tr("180 Degrees"), tr("270 Degrees")});
    d->rotation->setCurrentIndex(RotationIndex(text.Font().rotation));

    d->color = new CColorPickerCombo(this);
    d->color->setObjectName(QStringLiteral("textColor"));
    d->color->SetColor(text.TextColor());

    auto* fonts = new QPushButton(tr("Fonts..."), this);
    auto* apply = new QPushButton(tr("Apply"), this);
    auto* special = new QPushButton(tr("Special..."), this);
    fonts->setAutoDefault(false);
    apply->setAutoDefault(false);
    special->setAutoDefault(false);
    connect(fonts, &QPushButton::clicked, this, &CTextEditDialog::PickFont);
    connect(apply, &QPushButton::clicked, this, &CTextEditDialog::Apply);
    connect(special, &QPushButton::clicked, this, &CTextEditDialog::PickSpecialName);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(d->justification);
    form->addRow(d->rotation);
    form->addRow(tr("Text Color :"), d->color);
    auto* side = new QHBoxLayout;
    side->addWidget(fonts);
    side->addWidget(special);
    side->addStretch();
    side->addWidget(apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(d->edit);
    layout->addLayout(form);
    layout->addLayout(side);
    layout->addWidget(buttons);

    d->edit->selectAll();
    d->edit->ensureCursorVisible();
    d->edit->setFocus();
}

CTextEditDialog::~CTextEditDialog()
{
    delete d;
}

void CTextEditDialog::accept()
{
    Apply();
    QDialog::accept();
}

void CTextEditDialog::Apply()
{
    CTextPrimitive& text = d->text;
    text.SetText(ToStoredText(d->edit->toPlainText()));
    FontSpec font = text.Font();
    font.rotation = 90 * d->rotation->currentIndex();
    font.justification = kJustificationOfIndex[d->justification->currentIndex()];
    text.SetFont(font);
    const ColorRef color = d->color->Color();
    CDrawingDefaults::Instance().SetTextColor(color);
    text.SetTextColor(color);
    Changed();
}

void CTextEditDialog::PickFont()
{
    CTextPrimitive& text = d->text;
    CFontColorDialog chooser(FontFromSpec(text.Font()), text.TextColor(), this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    text.SetFont(SpecFromFont(chooser.SelectedFont(), text.Font()));
    text.SetTextColor(chooser.TextColor());
    d->color->SetColor(chooser.TextColor());
    Changed();
}

void CTextEditDialog::PickSpecialName()
{
    CTextPrimitiveName names(d->text, d->document, this);
    if (names.exec() != QDialog::Accepted || !names.Chosen())
        return;
    d->record.Finish();
    // "None" leaves what was typed in the editor, for Apply to write back.
    if (d->text.GetName() != CTextPrimitive::SpecialName(CTextPrimitive::Special::None)) {
        d->edit->setPlainText(ToEditorText(names.ResultText()));
        d->edit->selectAll();
    }
}

void CTextEditDialog::Changed()
{
    d->record.Finish();
    d->document.SetModifiedFlag();
    d->document.UpdateAllViews();
}

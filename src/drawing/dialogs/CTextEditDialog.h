#pragma once
// "Text Editing": edits a text primitive's text, justification, rotation,
// colour and font; Apply writes at once, Cancel keeps what Apply wrote.
#include <QDialog>

class CTextPrimitive;
class CCovermintDoc;

class CTextEditDialog : public QDialog
{
    Q_OBJECT
public:
    CTextEditDialog(CTextPrimitive& text, CCovermintDoc& document, QWidget* parent = nullptr);
    ~CTextEditDialog() override;

    // Writes the dialog into the primitive; the colour also becomes the
    // current text colour.
    void Apply();
    void accept() override;

private:
    void PickFont();
    void PickSpecialName();
    void Changed();

    struct Private;
    Private* d;
};

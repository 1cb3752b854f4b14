#pragma once
// A dialog with OK, Cancel and "Apply": Apply writes the fields into the
// object at once; OK does the same and closes, unless the fields were refused.
#include <QDialog>

class QDialogButtonBox;
class QLayout;

class CApplyDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CApplyDialog(QWidget* parent = nullptr);

    // Writes the fields; false (and nothing written) when one is refused.
    virtual bool ApplyChanges() = 0;

    void accept() override;

signals:
    // After every Apply or OK whose fields were taken.
    void applied();

protected:
    // Puts the form above the buttons; call once from the constructor.
    void SetForm(QLayout* form);

private:
    bool Apply();
    QDialogButtonBox* m_buttons;
};

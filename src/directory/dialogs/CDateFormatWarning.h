#pragma once
// "Date Format Warning": the file-date format holds a code the formatter does
// not know; lists the codes it does.
#include <QDialog>

class CDateFormatWarning : public QDialog
{
    Q_OBJECT
public:
    explicit CDateFormatWarning(QWidget* parent = nullptr);

    static QString HelpText();
};

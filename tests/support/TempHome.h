#pragma once
// A throw-away home folder registered as HOMEDIR for the life of a test, with
// the preferences reloaded from it.
#include <QString>
#include <QTemporaryDir>

class CTempHome
{
public:
    // withTemplates: create the "Templates" folder so the folder counts as a
    // valid home folder and no message is shown when the preferences are made.
    explicit CTempHome(bool withTemplates = true);
    ~CTempHome();

    QString Path() const; // with a trailing '/'
    QString FilePath(const QString& relative) const { return Path() + relative; }
    bool WriteFile(const QString& relative, const QByteArray& content) const;

private:
    QTemporaryDir m_dir;
};

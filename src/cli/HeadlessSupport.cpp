#include "cli/HeadlessSupport.h"

#include "base/XmlFile.h"
#include "cli/CHeadlessRunner.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/LabelFile.h"

#include <QFileInfo>
#include <cstdio>

void PrintError(const QString& text)
{
    std::fprintf(stderr, "covermint: %s\n", text.toLocal8Bit().constData());
}

CFilePrompter::CFilePrompter(QString file)
    : m_file(std::move(file))
    , m_previous(&Prompter())
{
    SetPrompter(this);
}

CFilePrompter::~CFilePrompter()
{
    SetPrompter(m_previous);
}

void CFilePrompter::ShowMessage(const QString& text, Icon)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    PrintError(m_file + QStringLiteral(": ") + line.simplified());
}

bool LoadLabelInput(CCovermintDoc& document, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        PrintError(path + QStringLiteral(": no such file"));
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        PrintError(path + QStringLiteral(": not a readable file"));
        return false;
    }
    pugi::xml_document xml;
    const XmlLoadResult parsed = LoadXmlFile(path, xml);
    if (!parsed.ok) {
        PrintError(QStringLiteral("%1: %2 (line %3, column %4)")
                       .arg(path, parsed.reason.simplified()).arg(parsed.line).arg(parsed.column));
        return false;
    }
    CFilePrompter prompter(path);
    if (!LabelFile::ReadParsed(document, xml)) {
        PrintError(path + QStringLiteral(": not a Covermint label"));
        return false;
    }
    return true;
}

int SaveLabelOutput(CCovermintDoc& document, const QString& out)
{
    QString error;
    if (!document.SaveTo(out, &error)) {
        PrintError(out + QStringLiteral(": ") + error);
        return CHeadlessRunner::OutputError;
    }
    return CHeadlessRunner::Ok;
}

QString ResolveTemplate(const QString& name)
{
    if (QFileInfo::exists(name))
        return name;
    const QString inHome = CPreferences::Instance().HomeFolder() + QStringLiteral("Templates/") + name;
    return QFileInfo::exists(inHome) ? inHome : name;
}
